// cVector: three floats, the engine's point and direction type.
#pragma once

#include <cmath>

class cVector
{
public:
    cVector() = default;
    cVector(float vx, float vy, float vz) : x(vx), y(vy), z(vz) {}

    cVector operator+(const cVector& v) const { return {x + v.x, y + v.y, z + v.z}; }
    cVector operator-(const cVector& v) const { return {x - v.x, y - v.y, z - v.z}; }
    cVector operator-() const { return {-x, -y, -z}; }
    cVector operator*(float s) const { return {x * s, y * s, z * s}; }
    // Multiplies by the reciprocal.
    cVector operator/(float s) const
    {
        const float inverse = 1.0f / s;
        return {x * inverse, y * inverse, z * inverse};
    }
    cVector& operator+=(const cVector& v)
    {
        x += v.x;
        y += v.y;
        z += v.z;
        return *this;
    }
    cVector& operator-=(const cVector& v)
    {
        x -= v.x;
        y -= v.y;
        z -= v.z;
        return *this;
    }
    cVector& operator*=(float s)
    {
        x *= s;
        y *= s;
        z *= s;
        return *this;
    }
    bool operator==(const cVector& v) const { return x == v.x && y == v.y && z == v.z; }

    float Dot(const cVector& v) const { return x * v.x + y * v.y + z * v.z; }
    cVector Cross(const cVector& v) const { return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x}; }
    float LengthSquared() const { return x * x + y * y + z * z; }
    float Length() const { return std::sqrt(LengthSquared()); }
    bool IsZero() const { return x == 0.0f && y == 0.0f && z == 0.0f; }

    // A zero vector stays zero.
    cVector& Normalise()
    {
        const float length = Length();
        if (length > 0.0f)
            *this *= 1.0f / length;
        return *this;
    }
    cVector& SetLength(float newLength)
    {
        Normalise();
        *this *= newLength;
        return *this;
    }

    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};
