// Tests of cVector and cMatrix: row vectors with the translation in row 3.
#include "base/cMatrix.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
void ExpectNear(const cVector& actual, const cVector& expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-5f);
    EXPECT_NEAR(actual.y, expected.y, 1e-5f);
    EXPECT_NEAR(actual.z, expected.z, 1e-5f);
}
} // namespace

TEST(cVector, Arithmetic)
{
    const cVector a(1, 2, 2);
    EXPECT_FLOAT_EQ(a.Length(), 3.0f);
    EXPECT_FLOAT_EQ(a.Dot({2, 0, 1}), 4.0f);
    ExpectNear(a / 2.0f, {0.5f, 1.0f, 1.0f});
    ExpectNear(-a + a * 2.0f, a);
    cVector b = a;
    b.SetLength(6.0f);
    ExpectNear(b, {2, 4, 4});
    cVector zero;
    zero.Normalise();
    EXPECT_TRUE(zero.IsZero());
}

TEST(cMatrix, TranslationLivesInRowThree)
{
    const cMatrix move = cMatrix::Translation({10, 20, 30});
    EXPECT_EQ(move.m[3][0], 10.0f);
    EXPECT_EQ(move.m[3][2], 30.0f);
    ExpectNear(move.TransformPoint({1, 2, 3}), {11, 22, 33});
    ExpectNear(move.TransformDirection({1, 2, 3}), {1, 2, 3});
}

TEST(cMatrix, RotationsComposeAndInvert)
{
    const float quarter = float(M_PI / 2);
    ExpectNear(cMatrix::RotationZ(quarter).TransformPoint({1, 0, 0}), {0, 1, 0});
    ExpectNear(cMatrix::RotationX(quarter).TransformPoint({0, 1, 0}), {0, 0, 1});
    ExpectNear(cMatrix::Rotation({0, 0, 2}, quarter).TransformPoint({0, 1, 0}), {-1, 0, 0});
    // Row vectors: the left matrix applies first.
    const cMatrix turnThenMove = cMatrix::RotationZ(quarter) * cMatrix::Translation({5, 0, 0});
    ExpectNear(turnThenMove.TransformPoint({1, 0, 0}), {5, 1, 0});
    ExpectNear(turnThenMove.Inverse().TransformPoint({5, 1, 0}), {1, 0, 0});
}
