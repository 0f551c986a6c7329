// GLDeviceFixture: an OpenGL device on SDL's offscreen driver, with helpers to draw quads and read pixels.
#include "GLDeviceFixture.h"

#include <SDL.h>
#include <epoxy/gl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

bool GLDeviceFixture::sdlReady = false;

void GLDeviceFixture::SetUpTestSuite()
{
    // No display is needed: SDL's offscreen driver gives a GL context through EGL.
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    sdlReady = SDL_Init(SDL_INIT_VIDEO) == 0;
    // Holds the GL driver loaded for the whole run (SDL would unload it with the last window).
    if (sdlReady)
    {
        SDL_GL_LoadLibrary(nullptr);
    }
}

void GLDeviceFixture::TearDownTestSuite()
{
    // SDL and the GL driver stay loaded until the process ends: once unloaded, the leak checker could
    // no longer tell the driver's own allocations from ours.
}

void GLDeviceFixture::SetUp()
{
    if (!sdlReady)
    {
        GTEST_SKIP() << "SDL video cannot start: " << SDL_GetError();
    }
    window = SDL_CreateWindow("probe", 0, 0, int(kSize), int(kSize), SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!window)
    {
        GTEST_SKIP() << "No OpenGL window: " << SDL_GetError();
    }
    PresentParameters parameters;
    parameters.backBufferFormat = RenderFormat::X8R8G8B8;
    parameters.deviceWindow = window;
    const RenderResult result =
        system.CreateDevice(0, DeviceType::Hardware, window,
                            BehaviourHardwareVertexProcessing | BehaviourMultithreaded, parameters, device);
    if (result == RenderResult::NotAvailable)
    {
        GTEST_SKIP() << "No OpenGL 3.3 device: " << system.GetError();
    }
    ASSERT_EQ(result, RenderResult::Ok) << system.GetError();
    gl = static_cast<cGLRenderDevice*>(device.get());
    device->SetRenderState(RenderState::Lighting, 0);
    device->SetRenderState(RenderState::CullMode, CullCounterClockwise);
    device->SetRenderState(RenderState::ZEnable, 0);
    device->Clear(ClearTarget | ClearZBuffer, 0xFF000000, 1.0f);
    UsePixelSpace();
}

void GLDeviceFixture::TearDown()
{
    // Whatever the test did, the device must not have made an invalid GL call.
    if (device)
    {
        device->TestCooperativeLevel();
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
    device.reset();
    if (window)
    {
        SDL_DestroyWindow(window);
    }
}

void GLDeviceFixture::UsePixelSpace(uint32_t width, uint32_t height)
{
    RenderMatrix projection;
    projection.m[0][0] = 2.0f / float(width);
    projection.m[1][1] = -2.0f / float(height);
    projection.m[3][0] = -1.0f;
    projection.m[3][1] = 1.0f;
    device->SetTransform(TransformType::Projection, projection);
    device->SetTransform(TransformType::View, RenderMatrix());
    device->SetTransform(TransformType::World, RenderMatrix());
}

void GLDeviceFixture::DrawQuad(float left, float top, float right, float bottom, uint32_t colour, float z,
                               bool reversed)
{
    const TexturedVertex vertices[4] = {{left, top, z, colour, 0, 0},
                                        {right, top, z, colour, 1, 0},
                                        {left, bottom, z, colour, 0, 1},
                                        {right, bottom, z, colour, 1, 1}};
    const uint16_t clockwise[6] = {0, 1, 2, 3, 2, 1};
    const uint16_t counterClockwise[6] = {0, 2, 1, 3, 1, 2};
    device->SetFVF(kVertexPositionDiffuseTex);
    EXPECT_EQ(device->DrawIndexedPrimitiveUP(PrimitiveType::TriangleList, 0, 4, 2,
                                             reversed ? counterClockwise : clockwise, IndexFormat::Index16,
                                             vertices, sizeof(TexturedVertex)),
              RenderResult::Ok);
}

void GLDeviceFixture::DrawLitQuad(float left, float top, float right, float bottom, uint32_t colour)
{
    // The normal faces the viewer, who looks along +z.
    const LitVertex vertices[4] = {{left, top, 0.5f, 0, 0, -1, colour, 0, 0},
                                   {right, top, 0.5f, 0, 0, -1, colour, 1, 0},
                                   {left, bottom, 0.5f, 0, 0, -1, colour, 0, 1},
                                   {right, bottom, 0.5f, 0, 0, -1, colour, 1, 1}};
    const uint32_t indices[6] = {0, 1, 2, 3, 2, 1};
    device->SetFVF(kVertexPositionNormalDiffuseTex);
    EXPECT_EQ(device->DrawIndexedPrimitiveUP(PrimitiveType::TriangleList, 0, 4, 2, indices,
                                             IndexFormat::Index32, vertices, sizeof(LitVertex)),
              RenderResult::Ok);
}

std::unique_ptr<cRenderTexture> GLDeviceFixture::MakeTexture(uint32_t width, uint32_t height,
                                                             const std::vector<uint32_t>& argb,
                                                             RenderFormat format, uint32_t levels,
                                                             uint32_t usage)
{
    std::unique_ptr<cRenderTexture> texture;
    EXPECT_EQ(device->CreateTexture(width, height, levels, usage, format, MemoryPool::Managed, texture),
              RenderResult::Ok);
    LockedRect locked;
    EXPECT_EQ(texture->LockRect(0, locked, 0), RenderResult::Ok);
    for (uint32_t y = 0; y < height; ++y)
    {
        uint8_t* row = static_cast<uint8_t*>(locked.bits) + size_t(y) * uint32_t(locked.pitch);
        for (uint32_t x = 0; x < width; ++x)
        {
            const uint32_t value = argb[y * width + x];
            if (format == RenderFormat::A8)
            {
                row[x] = uint8_t(value);
                continue;
            }
            // Little-endian ARGB: the bytes are B, G, R, A.
            std::memcpy(row + 4 * x, &value, 4);
        }
    }
    texture->UnlockRect(0);
    return texture;
}

std::vector<uint32_t> GLDeviceFixture::ReadPixels(cRenderSurface* surface)
{
    std::unique_ptr<cRenderTexture> copy;
    EXPECT_EQ(device->CreateTexture(surface->GetWidth(), surface->GetHeight(), 1, 0, RenderFormat::A8R8G8B8,
                                    MemoryPool::SystemMemory, copy),
              RenderResult::Ok);
    EXPECT_EQ(device->GetRenderTargetData(surface, copy->GetSurfaceLevel(0)), RenderResult::Ok);
    LockedRect locked;
    EXPECT_EQ(copy->LockRect(0, locked, LockReadOnly), RenderResult::Ok);
    std::vector<uint32_t> pixels(size_t(surface->GetWidth()) * surface->GetHeight());
    for (uint32_t y = 0; y < surface->GetHeight(); ++y)
    {
        std::memcpy(&pixels[size_t(y) * surface->GetWidth()],
                    static_cast<uint8_t*>(locked.bits) + size_t(y) * uint32_t(locked.pitch),
                    surface->GetWidth() * 4);
    }
    copy->UnlockRect(0);
    return pixels;
}

uint32_t GLDeviceFixture::ReadPixel(uint32_t x, uint32_t y)
{
    return ReadPixels(device->GetBackBuffer())[size_t(y) * kSize + x];
}

::testing::AssertionResult ColourNear(uint32_t actual, uint32_t expected, int tolerance)
{
    for (int shift = 0; shift < 32; shift += 8)
    {
        const int a = int((actual >> shift) & 0xFF);
        const int b = int((expected >> shift) & 0xFF);
        if (std::abs(a - b) > tolerance)
        {
            char text[64];
            std::snprintf(text, sizeof text, "%08X, expected %08X", actual, expected);
            return ::testing::AssertionFailure() << text;
        }
    }
    return ::testing::AssertionSuccess();
}
