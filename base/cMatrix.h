// cMatrix: a 4x4 float matrix with row vectors and the translation in row 3, laid out as the device expects.
#pragma once

#include "base/cVector.h"

class cMatrix
{
public:
    cMatrix() { SetIdentity(); }

    static cMatrix Identity() { return cMatrix(); }
    static cMatrix Translation(const cVector& offset);
    static cMatrix Scaling(float sx, float sy, float sz);
    // Rotation by angle radians about an axis through the origin (normalised here).
    static cMatrix Rotation(const cVector& axis, float angle);
    static cMatrix RotationX(float angle) { return Rotation({1, 0, 0}, angle); }
    static cMatrix RotationY(float angle) { return Rotation({0, 1, 0}, angle); }
    static cMatrix RotationZ(float angle) { return Rotation({0, 0, 1}, angle); }

    void SetIdentity();
    // This matrix applied first, then other.
    cMatrix operator*(const cMatrix& other) const;
    // x * row0 + y * row1 + z * row2 + row3.
    cVector TransformPoint(const cVector& p) const;
    // Without the translation.
    cVector TransformDirection(const cVector& d) const;
    cVector GetTranslation() const { return {m[3][0], m[3][1], m[3][2]}; }
    void SetTranslation(const cVector& t)
    {
        m[3][0] = t.x;
        m[3][1] = t.y;
        m[3][2] = t.z;
    }
    cMatrix Transposed() const;
    // General inverse; a singular matrix yields the identity.
    cMatrix Inverse() const;

    const float* Data() const { return &m[0][0]; }
    float* Data() { return &m[0][0]; }

    float m[4][4];
};
