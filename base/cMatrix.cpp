// cMatrix: construction, products, point transforms and the inverse.
#include "base/cMatrix.h"

#include <cmath>

void cMatrix::SetIdentity()
{
    for (int row = 0; row < 4; ++row)
    {
        for (int column = 0; column < 4; ++column)
            m[row][column] = row == column ? 1.0f : 0.0f;
    }
}

cMatrix cMatrix::Translation(const cVector& offset)
{
    cMatrix result;
    result.SetTranslation(offset);
    return result;
}

cMatrix cMatrix::Scaling(float sx, float sy, float sz)
{
    cMatrix result;
    result.m[0][0] = sx;
    result.m[1][1] = sy;
    result.m[2][2] = sz;
    return result;
}

// The rows are the images of the axes, so a point p becomes p * M as the device computes it.
cMatrix cMatrix::Rotation(const cVector& axis, float angle)
{
    cVector k = axis;
    k.Normalise();
    const float s = std::sin(angle);
    const float c = std::cos(angle);
    const float t = 1.0f - c;
    cMatrix result;
    result.m[0][0] = t * k.x * k.x + c;
    result.m[0][1] = t * k.x * k.y + s * k.z;
    result.m[0][2] = t * k.x * k.z - s * k.y;
    result.m[1][0] = t * k.x * k.y - s * k.z;
    result.m[1][1] = t * k.y * k.y + c;
    result.m[1][2] = t * k.y * k.z + s * k.x;
    result.m[2][0] = t * k.x * k.z + s * k.y;
    result.m[2][1] = t * k.y * k.z - s * k.x;
    result.m[2][2] = t * k.z * k.z + c;
    return result;
}

cMatrix cMatrix::operator*(const cMatrix& other) const
{
    cMatrix result;
    for (int row = 0; row < 4; ++row)
    {
        for (int column = 0; column < 4; ++column)
        {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k)
                sum += m[row][k] * other.m[k][column];
            result.m[row][column] = sum;
        }
    }
    return result;
}

cVector cMatrix::TransformPoint(const cVector& p) const
{
    return {p.x * m[0][0] + p.y * m[1][0] + p.z * m[2][0] + m[3][0],
            p.x * m[0][1] + p.y * m[1][1] + p.z * m[2][1] + m[3][1],
            p.x * m[0][2] + p.y * m[1][2] + p.z * m[2][2] + m[3][2]};
}

cVector cMatrix::TransformDirection(const cVector& d) const
{
    return {d.x * m[0][0] + d.y * m[1][0] + d.z * m[2][0], d.x * m[0][1] + d.y * m[1][1] + d.z * m[2][1],
            d.x * m[0][2] + d.y * m[1][2] + d.z * m[2][2]};
}

cMatrix cMatrix::Transposed() const
{
    cMatrix result;
    for (int row = 0; row < 4; ++row)
    {
        for (int column = 0; column < 4; ++column)
            result.m[row][column] = m[column][row];
    }
    return result;
}

// Gauss-Jordan elimination with partial pivoting.
cMatrix cMatrix::Inverse() const
{
    double a[4][8];
    for (int row = 0; row < 4; ++row)
    {
        for (int column = 0; column < 4; ++column)
        {
            a[row][column] = m[row][column];
            a[row][column + 4] = row == column ? 1.0 : 0.0;
        }
    }
    for (int column = 0; column < 4; ++column)
    {
        int pivot = column;
        for (int row = column + 1; row < 4; ++row)
        {
            if (std::fabs(a[row][column]) > std::fabs(a[pivot][column]))
                pivot = row;
        }
        if (std::fabs(a[pivot][column]) < 1e-12)
            return cMatrix();
        if (pivot != column)
        {
            for (int k = 0; k < 8; ++k)
            {
                const double held = a[column][k];
                a[column][k] = a[pivot][k];
                a[pivot][k] = held;
            }
        }
        const double inverse = 1.0 / a[column][column];
        for (int k = 0; k < 8; ++k)
            a[column][k] *= inverse;
        for (int row = 0; row < 4; ++row)
        {
            if (row == column)
                continue;
            const double factor = a[row][column];
            for (int k = 0; k < 8; ++k)
                a[row][k] -= factor * a[column][k];
        }
    }
    cMatrix result;
    for (int row = 0; row < 4; ++row)
    {
        for (int column = 0; column < 4; ++column)
            result.m[row][column] = float(a[row][column + 4]);
    }
    return result;
}
