// GLDeviceFixture: an OpenGL device on SDL's offscreen driver, with helpers to draw quads and read pixels.
#pragma once

#include "platform/video/cGLGraphicsSystem.h"
#include "platform/video/cGLRenderDevice.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct SDL_Window;

// One vertex of format 0x142: position, ARGB colour, texture coordinates.
struct TexturedVertex
{
    float x, y, z;
    uint32_t colour;
    float u, v;
};

// One vertex of format 0x152: position, normal, ARGB colour, texture coordinates.
struct LitVertex
{
    float x, y, z;
    float nx, ny, nz;
    uint32_t colour;
    float u, v;
};

// Skips (not fails) when no OpenGL 3.3 context can be had on this machine.
class GLDeviceFixture : public ::testing::Test
{
protected:
    static constexpr uint32_t kSize = 64;

    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // A projection that maps pixel coordinates of the current target (y down) to clip space, depth
    // unchanged.
    void UsePixelSpace(uint32_t width = kSize, uint32_t height = kSize);
    // An axis-aligned quad from (left, top) to (right, bottom) in pixels, clockwise on screen as
    // the interface draws it, uv 0..1 from its top-left corner.
    void DrawQuad(float left, float top, float right, float bottom, uint32_t colour, float z = 0.5f,
                  bool reversed = false);
    void DrawLitQuad(float left, float top, float right, float bottom, uint32_t colour);
    // A texture of width x height 32-bit texels (ARGB values, top row first) or 8-bit alpha values.
    std::unique_ptr<cRenderTexture> MakeTexture(uint32_t width, uint32_t height,
                                                const std::vector<uint32_t>& argb,
                                                RenderFormat format = RenderFormat::A8R8G8B8,
                                                uint32_t levels = 1, uint32_t usage = 0);
    // The ARGB pixels of a render target or the back buffer, top row first.
    std::vector<uint32_t> ReadPixels(cRenderSurface* surface);
    uint32_t ReadPixel(uint32_t x, uint32_t y);

    static bool sdlReady;
    SDL_Window* window = nullptr;
    cGLGraphicsSystem system;
    std::unique_ptr<cRenderDevice> device;
    cGLRenderDevice* gl = nullptr;
};

// Colour channels within tolerance; prints both colours on failure.
::testing::AssertionResult ColourNear(uint32_t actual, uint32_t expected, int tolerance = 3);
