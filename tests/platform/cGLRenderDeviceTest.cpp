// Pixel probes of the OpenGL device: set-ups drawn into a 64x64 back buffer and read back.
#include "GLDeviceFixture.h"

#include <cmath>
#include <functional>
#include <thread>

#include <epoxy/gl.h>

namespace
{
struct Probe
{
    uint32_t x;
    uint32_t y;
    uint32_t colour; // ARGB; the back buffer is XRGB, so alpha reads FF
};

struct ProbeCase
{
    const char* name;
    std::function<void()> draw;
    std::vector<Probe> probes;
};

// A 2x2 texture: red, green on the top row, blue, white below.
const std::vector<uint32_t> kQuadrants = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
} // namespace

class GLRenderDevice : public GLDeviceFixture
{
protected:
    void RunCases(const std::vector<ProbeCase>& cases)
    {
        for (const ProbeCase& entry : cases)
        {
            SCOPED_TRACE(entry.name);
            PresentParameters parameters = device->GetPresentParameters();
            ASSERT_EQ(device->Reset(parameters), RenderResult::Ok);
            device->SetRenderState(RenderState::Lighting, 0);
            device->SetRenderState(RenderState::ZEnable, 0);
            device->Clear(ClearTarget | ClearZBuffer, 0xFF000000, 1.0f);
            UsePixelSpace();
            entry.draw();
            const std::vector<uint32_t> pixels = ReadPixels(device->GetBackBuffer());
            for (const Probe& probe : entry.probes)
            {
                EXPECT_TRUE(ColourNear(pixels[probe.y * kSize + probe.x], probe.colour))
                    << "at " << probe.x << "," << probe.y;
            }
        }
    }

    void Blend(uint32_t source, uint32_t destination, uint32_t operation = BlendOpAdd)
    {
        device->SetRenderState(RenderState::AlphaBlendEnable, 1);
        device->SetRenderState(RenderState::SrcBlend, source);
        device->SetRenderState(RenderState::DestBlend, destination);
        device->SetRenderState(RenderState::BlendOp, operation);
    }

    void Stage(uint32_t stage, uint32_t colourOp, uint32_t colourArg1, uint32_t colourArg2, uint32_t alphaOp,
               uint32_t alphaArg1, uint32_t alphaArg2)
    {
        device->SetTextureStageState(stage, StageState::ColorOp, colourOp);
        device->SetTextureStageState(stage, StageState::ColorArg1, colourArg1);
        device->SetTextureStageState(stage, StageState::ColorArg2, colourArg2);
        device->SetTextureStageState(stage, StageState::AlphaOp, alphaOp);
        device->SetTextureStageState(stage, StageState::AlphaArg1, alphaArg1);
        device->SetTextureStageState(stage, StageState::AlphaArg2, alphaArg2);
    }

    std::vector<std::unique_ptr<cRenderTexture>> textures;

    cRenderTexture* Keep(std::unique_ptr<cRenderTexture> texture)
    {
        textures.push_back(std::move(texture));
        return textures.back().get();
    }

    cRenderTexture* Solid(uint32_t argb, RenderFormat format = RenderFormat::A8R8G8B8)
    {
        return Keep(MakeTexture(1, 1, {argb}, format));
    }
};

TEST_F(GLRenderDevice, ClearsAndDrawsVertexColoursWithCulling)
{
    RunCases({
        {"clear colour",
         [this] { device->Clear(ClearTarget, 0xFF336699, 1.0f); },
         {{0, 0, 0xFF336699}, {63, 63, 0xFF336699}}},
        {"untextured quad keeps the vertex colour",
         [this] { DrawQuad(8, 8, 24, 24, 0xFFFF8000); },
         {{16, 16, 0xFFFF8000}, {4, 4, 0xFF000000}, {30, 30, 0xFF000000}}},
        {"clockwise on screen survives counter-clockwise culling",
         [this] { DrawQuad(0, 0, 32, 32, 0xFF00FF00, 0.5f, false); },
         {{16, 16, 0xFF00FF00}}},
        {"counter-clockwise on screen is culled",
         [this] { DrawQuad(0, 0, 32, 32, 0xFF00FF00, 0.5f, true); },
         {{16, 16, 0xFF000000}}},
        {"clockwise culling removes the clockwise quad",
         [this]
         {
             device->SetRenderState(RenderState::CullMode, CullClockwise);
             DrawQuad(0, 0, 32, 32, 0xFF00FF00, 0.5f, false);
             DrawQuad(32, 32, 64, 64, 0xFF0000FF, 0.5f, true);
         },
         {{16, 16, 0xFF000000}, {48, 48, 0xFF0000FF}}},
        {"no culling draws both",
         [this]
         {
             device->SetRenderState(RenderState::CullMode, CullNone);
             DrawQuad(0, 0, 32, 32, 0xFF00FF00, 0.5f, true);
         },
         {{16, 16, 0xFF00FF00}}},
    });
}

TEST_F(GLRenderDevice, BlendModes)
{
    RunCases({
        {"source alpha over inverse source alpha",
         [this]
         {
             device->Clear(ClearTarget, 0xFF0000FF, 1.0f);
             Blend(BlendSrcAlpha, BlendInvSrcAlpha);
             DrawQuad(0, 0, 64, 64, 0x80FF0000);
         },
         {{10, 10, 0xFF80007F}}},
        {"additive one, one",
         [this]
         {
             device->Clear(ClearTarget, 0xFF404040, 1.0f);
             Blend(BlendOne, BlendOne);
             DrawQuad(0, 0, 64, 64, 0xFF204060);
         },
         {{10, 10, 0xFF6080A0}}},
        {"multiply: zero, source colour",
         [this]
         {
             device->Clear(ClearTarget, 0xFF808080, 1.0f);
             Blend(BlendZero, BlendSrcColour);
             DrawQuad(0, 0, 64, 64, 0xFFFF8000);
         },
         {{10, 10, 0xFF804000}}},
        {"both source alpha sets the destination factor too",
         [this]
         {
             device->Clear(ClearTarget, 0xFF000000, 1.0f);
             Blend(BlendBothSrcAlpha, BlendOne);
             DrawQuad(0, 0, 64, 64, 0x40FFFFFF);
         },
         {{10, 10, 0xFF404040}}},
        {"reverse subtract",
         [this]
         {
             device->Clear(ClearTarget, 0xFFC0C0C0, 1.0f);
             Blend(BlendOne, BlendOne, BlendOpRevSubtract);
             DrawQuad(0, 0, 64, 64, 0xFF4080C0);
         },
         {{10, 10, 0xFF804000}}},
        {"blending off replaces",
         [this]
         {
             device->Clear(ClearTarget, 0xFF0000FF, 1.0f);
             DrawQuad(0, 0, 64, 64, 0x10FF0000);
         },
         {{10, 10, 0xFFFF0000}}},
    });
}

TEST_F(GLRenderDevice, AlphaTestComparesAgainstTheByteReference)
{
    RunCases({
        {"greater-or-equal 128",
         [this]
         {
             device->SetRenderState(RenderState::AlphaTestEnable, 1);
             device->SetRenderState(RenderState::AlphaFunc, CompareGreaterEqual);
             device->SetRenderState(RenderState::AlphaRef, 0x80);
             DrawQuad(0, 0, 32, 64, 0x7FFF0000);
             DrawQuad(32, 0, 64, 64, 0x80FF0000);
         },
         {{16, 16, 0xFF000000}, {48, 16, 0xFFFF0000}}},
        {"alpha from an 8-bit alpha texture",
         [this]
         {
             device->SetRenderState(RenderState::AlphaTestEnable, 1);
             device->SetRenderState(RenderState::AlphaFunc, CompareGreater);
             device->SetRenderState(RenderState::AlphaRef, 0x10);
             device->SetTexture(0, Keep(MakeTexture(2, 1, {0x00, 0xFF}, RenderFormat::A8)));
             Stage(0, StageSelectArg2, ArgTexture, ArgDiffuse, StageSelectArg1, ArgTexture, ArgDiffuse);
             DrawQuad(0, 0, 64, 64, 0xFF00FF00);
         },
         {{16, 16, 0xFF000000}, {48, 16, 0xFF00FF00}}},
    });
}

TEST_F(GLRenderDevice, TextureStagesAndFormats)
{
    RunCases({
        {"texture rows start at the top, texels are B G R A in memory",
         [this]
         {
             device->SetTexture(0, Keep(MakeTexture(2, 2, kQuadrants)));
             DrawQuad(0, 0, 64, 64, 0xFFFFFFFF);
         },
         {{16, 16, 0xFFFF0000}, {48, 16, 0xFF00FF00}, {16, 48, 0xFF0000FF}, {48, 48, 0xFFFFFFFF}}},
        {"modulate by the diffuse colour",
         [this]
         {
             device->SetTexture(0, Solid(0xFFFF8040));
             DrawQuad(0, 0, 64, 64, 0xFF808080);
         },
         {{10, 10, 0xFF804020}}},
        {"modulate x2 over-drives and clamps",
         [this]
         {
             device->SetTexture(0, Solid(0xFFC0C0FF));
             Stage(0, StageModulate2x, ArgTexture, ArgDiffuse, StageSelectArg1, ArgTexture, ArgDiffuse);
             DrawQuad(0, 0, 64, 64, 0xFF808080);
         },
         {{10, 10, 0xFFC1C1FF}}},
        {"modulate x4 and add",
         [this]
         {
             device->SetTexture(0, Solid(0xFF202020));
             device->SetTexture(1, Solid(0xFF104000));
             Stage(0, StageModulate4x, ArgTexture, ArgDiffuse, StageSelectArg1, ArgTexture, ArgDiffuse);
             Stage(1, StageAdd, ArgTexture, ArgCurrent, StageSelectArg1, ArgCurrent, ArgDiffuse);
             DrawQuad(0, 0, 64, 64, 0xFF808080);
         },
         {{10, 10, 0xFF508040}}},
        {"blend by the texture factor's alpha",
         [this]
         {
             device->SetTexture(0, Solid(0xFFFF0000));
             device->SetTexture(1, Solid(0xFF0000FF));
             device->SetRenderState(RenderState::TextureFactor, 0x40FFFFFF);
             Stage(0, StageSelectArg1, ArgTexture, ArgDiffuse, StageSelectArg1, ArgTexture, ArgDiffuse);
             Stage(1, StageBlendFactorAlpha, ArgTexture, ArgCurrent, StageSelectArg1, ArgCurrent, ArgDiffuse);
             DrawQuad(0, 0, 64, 64, 0xFFFFFFFF);
         },
         {{10, 10, 0xFFBF0040}}},
        {"a stage without a texture ends the cascade",
         [this]
         {
             device->SetTexture(0, Solid(0xFF808080));
             Stage(1, StageAdd, ArgTexture, ArgCurrent, StageSelectArg1, ArgCurrent, ArgDiffuse);
             Stage(2, StageAdd, ArgTexture, ArgCurrent, StageSelectArg1, ArgCurrent, ArgDiffuse);
             device->SetTexture(2, Solid(0xFFFFFFFF));
             DrawQuad(0, 0, 64, 64, 0xFFFFFFFF);
         },
         {{10, 10, 0xFF808080}}},
        {"no texture in stage 0 leaves the diffuse colour",
         [this]
         {
             device->SetTexture(1, Solid(0xFF000000));
             Stage(1, StageSelectArg1, ArgTexture, ArgCurrent, StageSelectArg1, ArgTexture, ArgCurrent);
             DrawQuad(0, 0, 64, 64, 0xFF336699);
         },
         {{10, 10, 0xFF336699}}},
        {"a disabled stage ends the cascade",
         [this]
         {
             device->SetTexture(0, Solid(0xFF00FF00));
             device->SetTexture(1, Solid(0xFFFF0000));
             Stage(0, StageSelectArg1, ArgTexture, ArgDiffuse, StageSelectArg1, ArgTexture, ArgDiffuse);
             Stage(1, StageDisable, ArgTexture, ArgCurrent, StageDisable, ArgTexture, ArgCurrent);
             DrawQuad(0, 0, 64, 64, 0xFFFFFFFF);
         },
         {{10, 10, 0xFF00FF00}}},
        {"8-bit alpha texture reads black with its alpha",
         [this]
         {
             device->Clear(ClearTarget, 0xFFFFFFFF, 1.0f);
             device->SetTexture(0, Solid(0x80, RenderFormat::A8));
             Stage(0, StageSelectArg1, ArgTexture, ArgDiffuse, StageSelectArg1, ArgTexture, ArgDiffuse);
             Blend(BlendSrcAlpha, BlendInvSrcAlpha);
             DrawQuad(0, 0, 64, 64, 0xFFFF0000);
         },
         {{10, 10, 0xFF7F7F7F}}},
        {"XRGB texture ignores its stored alpha",
         [this]
         {
             device->SetTexture(0, Solid(0x00112233, RenderFormat::X8R8G8B8));
             Stage(0, StageSelectArg1, ArgTexture, ArgDiffuse, StageSelectArg1, ArgTexture, ArgDiffuse);
             Blend(BlendSrcAlpha, BlendInvSrcAlpha);
             DrawQuad(0, 0, 64, 64, 0xFFFFFFFF);
         },
         {{10, 10, 0xFF112233}}},
        {"complement and alpha replicate modifiers",
         [this]
         {
             device->SetTexture(0, Solid(0x40FF0000));
             Stage(0, StageSelectArg1, ArgTexture | ArgComplement, ArgDiffuse, StageSelectArg1, ArgTexture,
                   ArgDiffuse);
             DrawQuad(0, 0, 32, 64, 0xFFFFFFFF);
             Stage(0, StageSelectArg1, ArgTexture | ArgAlphaReplicate, ArgDiffuse, StageSelectArg1,
                   ArgTexture, ArgDiffuse);
             DrawQuad(32, 0, 64, 64, 0xFFFFFFFF);
         },
         {{10, 10, 0xFF00FFFF}, {48, 10, 0xFF404040}}},
    });
}

TEST_F(GLRenderDevice, FogAndLighting)
{
    RunCases({
        {"linear fog on depth under an orthographic projection",
         [this]
         {
             device->SetRenderState(RenderState::FogEnable, 1);
             device->SetRenderState(RenderState::FogTableMode, FogLinear);
             device->SetRenderState(RenderState::FogColor, 0xFF0000FF);
             device->SetRenderState(RenderState::FogStart, FloatBits(0.0f));
             device->SetRenderState(RenderState::FogEnd, FloatBits(1.0f));
             DrawQuad(0, 0, 32, 64, 0xFFFF0000, 0.25f);
             DrawQuad(32, 0, 64, 64, 0xFFFF0000, 1.0f);
         },
         {{10, 10, 0xFFBF0040}, {48, 10, 0xFF0000FF}}},
        {"exponential fog",
         [this]
         {
             device->SetRenderState(RenderState::FogEnable, 1);
             device->SetRenderState(RenderState::FogTableMode, FogExp);
             device->SetRenderState(RenderState::FogColor, 0xFF000000);
             device->SetRenderState(RenderState::FogDensity, FloatBits(2.0f));
             DrawQuad(0, 0, 64, 64, 0xFFFFFFFF, 0.5f);
         },
         {{10, 10, 0xFF5E5E5E}}},
        {"lighting: directional light, material source and clamp",
         [this]
         {
             device->SetRenderState(RenderState::Lighting, 1);
             device->SetRenderState(RenderState::DiffuseMaterialSource, SourceMaterial);
             RenderMaterial material;
             material.diffuse = {2.0f, 0.5f, 0.25f, 1.0f};
             device->SetMaterial(material);
             RenderLight light;
             light.type = LightType::Directional;
             light.diffuse = {1, 1, 1, 1};
             light.direction = {0, 0, 1};
             device->SetLight(0, light);
             device->LightEnable(0, true);
             DrawLitQuad(0, 0, 64, 64, 0xFF00FF00);
         },
         {{10, 10, 0xFFFF8040}}},
        {"lighting: vertex colour as diffuse source and global ambient",
         [this]
         {
             device->SetRenderState(RenderState::Lighting, 1);
             device->SetRenderState(RenderState::Ambient, 0xFF202020);
             device->SetRenderState(RenderState::AmbientMaterialSource, SourceMaterial);
             RenderMaterial material;
             material.ambient = {1, 1, 1, 1};
             device->SetMaterial(material);
             RenderLight light;
             light.type = LightType::Directional;
             light.diffuse = {0.5f, 0.5f, 0.5f, 1};
             light.direction = {0, 0, 1};
             device->SetLight(0, light);
             device->LightEnable(0, true);
             DrawLitQuad(0, 0, 64, 64, 0xFFFF0000);
         },
         {{10, 10, 0xFFA02020}}},
        {"lighting: point light with attenuation, out of range",
         [this]
         {
             device->SetRenderState(RenderState::Lighting, 1);
             device->SetRenderState(RenderState::DiffuseMaterialSource, SourceMaterial);
             RenderMaterial material;
             material.diffuse = {1, 1, 1, 1};
             device->SetMaterial(material);
             // Lighting is per vertex: the light stands far in front so every corner sees it alike.
             RenderLight light;
             light.type = LightType::Point;
             light.diffuse = {1, 1, 1, 1};
             light.position = {32, 32, -1000};
             light.range = 2000;
             light.attenuation0 = 2;
             device->SetLight(0, light);
             device->LightEnable(0, true);
             DrawLitQuad(0, 0, 32, 64, 0xFFFFFFFF);
             light.range = 900;
             device->SetLight(0, light);
             DrawLitQuad(32, 0, 64, 64, 0xFFFFFFFF);
         },
         {{16, 32, 0xFF808080}, {48, 32, 0xFF000000}}},
    });
}

TEST_F(GLRenderDevice, DepthScissorAndViewport)
{
    RunCases({
        {"depth test keeps the nearer quad",
         [this]
         {
             device->SetRenderState(RenderState::ZEnable, 1);
             device->SetRenderState(RenderState::ZFunc, CompareLessEqual);
             DrawQuad(0, 0, 64, 64, 0xFF00FF00, 0.2f);
             DrawQuad(0, 0, 32, 64, 0xFFFF0000, 0.8f);
             device->SetRenderState(RenderState::ZEnable, 0);
             DrawQuad(32, 0, 64, 64, 0xFF0000FF, 0.8f);
         },
         {{10, 10, 0xFF00FF00}, {48, 10, 0xFF0000FF}}},
        {"depth writes off leave the depth buffer",
         [this]
         {
             device->SetRenderState(RenderState::ZEnable, 1);
             device->SetRenderState(RenderState::ZWriteEnable, 0);
             DrawQuad(0, 0, 64, 64, 0xFF00FF00, 0.2f);
             DrawQuad(0, 0, 64, 64, 0xFFFF0000, 0.8f);
         },
         {{10, 10, 0xFFFF0000}}},
        {"scissor limits drawing and clearing",
         [this]
         {
             device->SetRenderState(RenderState::ScissorTestEnable, 1);
             device->SetScissorRect(RenderRect{0, 0, 32, 16});
             DrawQuad(0, 0, 64, 64, 0xFF00FF00);
             device->SetScissorRect(RenderRect{0, 48, 64, 64});
             device->Clear(ClearTarget, 0xFF0000FF, 1.0f);
         },
         {{10, 10, 0xFF00FF00}, {40, 10, 0xFF000000}, {10, 30, 0xFF000000}, {40, 56, 0xFF0000FF}}},
        {"viewport places the picture",
         [this]
         {
             device->SetViewport(RenderViewport{32, 0, 32, 32, 0.0f, 1.0f});
             DrawQuad(0, 0, 64, 64, 0xFF00FF00);
         },
         {{10, 10, 0xFF000000}, {48, 16, 0xFF00FF00}, {48, 48, 0xFF000000}}},
    });
}

TEST_F(GLRenderDevice, LinesSphereMapsAndMipmaps)
{
    RunCases({
        {"line list",
         [this]
         {
             const TexturedVertex vertices[2] = {{0, 10.5f, 0.5f, 0xFFFFFF00, 0, 0},
                                                 {64, 10.5f, 0.5f, 0xFFFFFF00, 0, 0}};
             const uint16_t indices[2] = {0, 1};
             device->SetFVF(kVertexPositionDiffuseTex);
             device->DrawIndexedPrimitiveUP(PrimitiveType::LineList, 0, 2, 1, indices, IndexFormat::Index16,
                                            vertices, sizeof(TexturedVertex));
         },
         {{30, 10, 0xFFFFFF00}, {30, 20, 0xFF000000}}},
        {"sphere map: a surface facing the viewer samples the centre",
         [this]
         {
             // The quad lies 1000 units ahead on the view axis, so every corner faces the viewer.
             RenderMatrix view;
             view.m[3][0] = -32;
             view.m[3][1] = -32;
             view.m[3][2] = 1000;
             RenderMatrix projection;
             projection.m[0][0] = 2.0f / 64;
             projection.m[1][1] = -2.0f / 64;
             projection.m[2][2] = 1.0f / 2000;
             device->SetTransform(TransformType::View, view);
             device->SetTransform(TransformType::Projection, projection);
             std::vector<uint32_t> texels(9, 0xFF0000FF);
             texels[4] = 0xFFFF0000;
             device->SetTexture(0, Keep(MakeTexture(3, 3, texels)));
             device->SetTextureStageState(0, StageState::TexCoordIndex, TexCoordSphereMap);
             Stage(0, StageSelectArg1, ArgTexture, ArgDiffuse, StageSelectArg1, ArgTexture, ArgDiffuse);
             DrawLitQuad(0, 0, 64, 64, 0xFFFFFFFF);
         },
         {{10, 10, 0xFFFF0000}, {50, 50, 0xFFFF0000}}},
        {"texture transform moves 2D coordinates by row 2",
         [this]
         {
             device->SetTexture(0, Keep(MakeTexture(2, 2, kQuadrants)));
             RenderMatrix shift;
             shift.m[2][0] = 0.5f;
             device->SetTransform(TransformType::Texture0, shift);
             device->SetTextureStageState(0, StageState::TextureTransformFlags, TextureTransformCount2);
             DrawQuad(0, 0, 32, 32, 0xFFFFFFFF);
         },
         {{8, 8, 0xFF00FF00}}},
        {"chosen mip levels are sampled when minified",
         [this]
         {
             std::unique_ptr<cRenderTexture> texture;
             device->CreateTexture(4, 4, 2, 0, RenderFormat::A8R8G8B8, MemoryPool::Managed, texture);
             for (uint32_t level = 0; level < 2; ++level)
             {
                 LockedRect locked;
                 texture->LockRect(level, locked, 0);
                 const uint32_t colour = level == 0 ? 0xFFFF0000 : 0xFF00FF00;
                 for (uint32_t y = 0; y < texture->GetHeight(level); ++y)
                 {
                     for (uint32_t x = 0; x < texture->GetWidth(level); ++x)
                     {
                         std::memcpy(static_cast<uint8_t*>(locked.bits) + y * uint32_t(locked.pitch) + 4 * x,
                                     &colour, 4);
                     }
                 }
                 texture->UnlockRect(level);
             }
             device->SetTexture(0, Keep(std::move(texture)));
             device->SetSamplerState(0, SamplerState::MipFilter, FilterPoint);
             DrawQuad(0, 0, 2, 2, 0xFFFFFFFF);
             DrawQuad(8, 8, 40, 40, 0xFFFFFFFF);
         },
         {{1, 1, 0xFF00FF00}, {20, 20, 0xFFFF0000}}},
        {"generated mipmaps average level 0",
         [this]
         {
             device->SetTexture(0, Keep(MakeTexture(2, 2, {0xFFFF0000, 0xFF0000FF, 0xFF0000FF, 0xFFFF0000},
                                                    RenderFormat::A8R8G8B8, 0, UsageAutoGenMipmap)));
             device->SetSamplerState(0, SamplerState::MipFilter, FilterPoint);
             DrawQuad(0, 0, 1, 1, 0xFFFFFFFF);
         },
         {{0, 0, 0xFF800080}}},
    });
}

TEST_F(GLRenderDevice, RenderTargetsAndCopiesKeepTheTopRowFirst)
{
    std::unique_ptr<cRenderTexture> target;
    ASSERT_EQ(device->CreateTexture(32, 32, 1, UsageRenderTarget, RenderFormat::X8R8G8B8, MemoryPool::Default,
                                    target),
              RenderResult::Ok);
    cRenderSurface* surface = target->GetSurfaceLevel(0);

    // StretchRect: a red top-left quadrant stays top-left at half size.
    DrawQuad(0, 0, 32, 32, 0xFFFF0000);
    ASSERT_EQ(device->StretchRect(device->GetBackBuffer(), nullptr, surface, nullptr, FilterPoint),
              RenderResult::Ok);
    std::vector<uint32_t> copied = ReadPixels(surface);
    EXPECT_TRUE(ColourNear(copied[2 * 32 + 2], 0xFFFF0000));
    EXPECT_TRUE(ColourNear(copied[30 * 32 + 30], 0xFF000000));

    // A sub-rectangle copy.
    RenderRect from{0, 0, 32, 32};
    RenderRect to{16, 16, 32, 32};
    ASSERT_EQ(device->Clear(ClearTarget, 0xFF0000FF, 1.0f), RenderResult::Ok);
    DrawQuad(0, 0, 32, 32, 0xFF00FF00);
    ASSERT_EQ(device->StretchRect(device->GetBackBuffer(), &from, surface, &to, FilterLinear),
              RenderResult::Ok);
    copied = ReadPixels(surface);
    EXPECT_TRUE(ColourNear(copied[24 * 32 + 24], 0xFF00FF00));
    EXPECT_TRUE(ColourNear(copied[2 * 32 + 2], 0xFFFF0000));
    RenderRect outside{0, 0, 64, 64};
    EXPECT_EQ(device->StretchRect(device->GetBackBuffer(), nullptr, surface, &outside, FilterPoint),
              RenderResult::InvalidCall);

    // Render to the texture: blue in its top-left, then draw it on the back buffer.
    ASSERT_EQ(device->SetRenderTarget(surface), RenderResult::Ok);
    EXPECT_EQ(device->GetViewport().width, 32u);
    device->Clear(ClearTarget | ClearZBuffer, 0xFF00FF00, 1.0f);
    UsePixelSpace(32, 32);
    DrawQuad(0, 0, 16, 16, 0xFF0000FF);
    ASSERT_EQ(device->SetRenderTarget(device->GetBackBuffer()), RenderResult::Ok);
    device->Clear(ClearTarget, 0xFF000000, 1.0f);
    UsePixelSpace();
    device->SetTexture(0, target.get());
    DrawQuad(0, 0, 64, 64, 0xFFFFFFFF);
    device->SetTexture(0, nullptr);
    EXPECT_TRUE(ColourNear(ReadPixel(8, 8), 0xFF0000FF));
    EXPECT_TRUE(ColourNear(ReadPixel(56, 56), 0xFF00FF00));
    EXPECT_TRUE(ColourNear(ReadPixel(56, 8), 0xFF00FF00));

    // Only render targets and the back buffer are targets.
    std::unique_ptr<cRenderTexture> plain = MakeTexture(1, 1, {0});
    EXPECT_EQ(device->SetRenderTarget(plain->GetSurfaceLevel(0)), RenderResult::InvalidCall);
    EXPECT_EQ(device->GetRenderTargetData(surface, plain->GetSurfaceLevel(0)), RenderResult::InvalidCall);
}

TEST_F(GLRenderDevice, RefusesWhatItCannotDraw)
{
    std::unique_ptr<cRenderTexture> texture;
    EXPECT_EQ(device->CreateTexture(4, 4, 1, 0, RenderFormat::R5G6B5, MemoryPool::Managed, texture),
              RenderResult::NotAvailable);
    EXPECT_EQ(
        device->CreateTexture(4, 4, 1, UsageRenderTarget, RenderFormat::A8, MemoryPool::Default, texture),
        RenderResult::NotAvailable);
    EXPECT_EQ(device->CreateTexture(4, 4, 1, UsageDynamic, RenderFormat::A8, MemoryPool::Managed, texture),
              RenderResult::InvalidCall);
    EXPECT_EQ(device->CreateTexture(0, 4, 1, 0, RenderFormat::A8, MemoryPool::Managed, texture),
              RenderResult::InvalidCall);
    EXPECT_EQ(texture, nullptr);

    const TexturedVertex vertices[3] = {};
    const uint16_t outOfRange[3] = {0, 1, 3};
    device->SetFVF(kVertexPositionDiffuseTex);
    EXPECT_EQ(device->DrawIndexedPrimitiveUP(PrimitiveType::TriangleList, 0, 3, 1, outOfRange,
                                             IndexFormat::Index16, vertices, sizeof(TexturedVertex)),
              RenderResult::InvalidCall);
    EXPECT_EQ(device->DrawIndexedPrimitiveUP(PrimitiveType::TriangleList, 0, 3, 1, outOfRange,
                                             IndexFormat::Index16, vertices, 16),
              RenderResult::InvalidCall);
    EXPECT_EQ(device->SetFVF(0x100), RenderResult::InvalidCall);

    struct Refused
    {
        RenderFormat backBuffer;
        RenderFormat depth;
        uint32_t multiSample;
        RenderResult result;
    };
    const Refused cases[] = {
        {RenderFormat::R5G6B5, RenderFormat::D24X8, 0, RenderResult::NotAvailable},
        {RenderFormat::X8R8G8B8, RenderFormat::A8, 0, RenderResult::NotAvailable},
        {RenderFormat::A8R8G8B8, RenderFormat::D16, 4, RenderResult::NotAvailable},
    };
    for (const Refused& entry : cases)
    {
        PresentParameters parameters = device->GetPresentParameters();
        parameters.backBufferFormat = entry.backBuffer;
        parameters.autoDepthStencilFormat = entry.depth;
        parameters.multiSampleType = entry.multiSample;
        std::unique_ptr<cRenderDevice> other;
        EXPECT_EQ(system.CreateDevice(0, DeviceType::Hardware, window, BehaviourHardwareVertexProcessing,
                                      parameters, other),
                  entry.result);
        EXPECT_EQ(other, nullptr);
    }
    PresentParameters parameters = device->GetPresentParameters();
    std::unique_ptr<cRenderDevice> other;
    EXPECT_EQ(system.CreateDevice(0, DeviceType::Reference, window, BehaviourHardwareVertexProcessing,
                                  parameters, other),
              RenderResult::NotAvailable);
    EXPECT_EQ(system.CreateDevice(0, DeviceType::Hardware, window,
                                  BehaviourHardwareVertexProcessing | BehaviourSoftwareVertexProcessing,
                                  parameters, other),
              RenderResult::InvalidCall);
}

TEST_F(GLRenderDevice, LostDeviceCycleAndResetToANewSize)
{
    EXPECT_EQ(device->TestCooperativeLevel(), RenderResult::Ok);
    gl->InjectDeviceLoss();
    EXPECT_EQ(device->TestCooperativeLevel(), RenderResult::DeviceLost);
    EXPECT_EQ(device->Present(), RenderResult::DeviceLost);
    EXPECT_EQ(device->TestCooperativeLevel(), RenderResult::DeviceNotReset);
    // Drawing while lost quietly does nothing.
    EXPECT_EQ(device->Clear(ClearTarget, 0xFFFFFFFF, 1.0f), RenderResult::Ok);
    PresentParameters parameters = device->GetPresentParameters();
    parameters.backBufferWidth = 40;
    parameters.backBufferHeight = 20;
    ASSERT_EQ(device->Reset(parameters), RenderResult::Ok);
    EXPECT_EQ(device->TestCooperativeLevel(), RenderResult::Ok);
    EXPECT_EQ(device->GetBackBuffer()->GetWidth(), 40u);
    EXPECT_EQ(device->GetViewport().height, 20u);
    EXPECT_EQ(device->GetRenderState(RenderState::Lighting), 1u);
    device->Clear(ClearTarget, 0xFF123456, 1.0f);
    EXPECT_TRUE(ColourNear(ReadPixels(device->GetBackBuffer())[20 * 40 - 1], 0xFF123456));
    EXPECT_EQ(device->BeginScene(), RenderResult::Ok);
    EXPECT_EQ(device->Present(), RenderResult::InvalidCall);
    EXPECT_EQ(device->EndScene(), RenderResult::Ok);
    EXPECT_EQ(device->Present(), RenderResult::Ok);
}

TEST_F(GLRenderDevice, TexturesFilledOnAnotherThreadAreUploadedWhenBound)
{
    std::unique_ptr<cRenderTexture> texture;
    std::thread loader(
        [this, &texture]
        {
            ASSERT_EQ(device->CreateTexture(8, 8, 1, 0, RenderFormat::A8R8G8B8, MemoryPool::Managed, texture),
                      RenderResult::Ok);
            LockedRect locked;
            ASSERT_EQ(texture->LockRect(0, locked, 0), RenderResult::Ok);
            const uint32_t colour = 0xFF20C040;
            for (uint32_t i = 0; i < 64; ++i)
            {
                std::memcpy(static_cast<uint8_t*>(locked.bits) + 4 * i, &colour, 4);
            }
            texture->UnlockRect(0);
        });
    loader.join();
    device->SetTexture(0, texture.get());
    DrawQuad(0, 0, 64, 64, 0xFFFFFFFF);
    EXPECT_TRUE(ColourNear(ReadPixel(30, 30), 0xFF20C040));

    // A later change is uploaded at the next bind; a texture deleted elsewhere is released by the device.
    LockedRect locked;
    ASSERT_EQ(texture->LockRect(0, locked, 0), RenderResult::Ok);
    std::memset(locked.bits, 0xFF, 8 * 8 * 4);
    texture->UnlockRect(0);
    DrawQuad(0, 0, 64, 64, 0xFFFFFFFF);
    EXPECT_TRUE(ColourNear(ReadPixel(30, 30), 0xFFFFFFFF));
    device->SetTexture(0, nullptr);
    std::thread unloader([&texture] { texture.reset(); });
    unloader.join();
    EXPECT_EQ(device->Present(), RenderResult::Ok);
}

TEST(LetterboxRect, KeepsTheAspectAndCentres)
{
    struct Case
    {
        uint32_t bufferWidth, bufferHeight, drawableWidth, drawableHeight;
        RenderRect expected;
    };
    const Case cases[] = {
        {800, 600, 800, 600, {0, 0, 800, 600}},
        {800, 600, 1920, 1080, {240, 0, 1680, 1080}},
        {1600, 900, 1280, 1024, {0, 152, 1280, 872}},
        {0, 0, 640, 480, {0, 0, 640, 480}},
    };
    for (const Case& entry : cases)
    {
        const RenderRect rect =
            LetterboxRect(entry.bufferWidth, entry.bufferHeight, entry.drawableWidth, entry.drawableHeight);
        EXPECT_EQ(rect.left, entry.expected.left);
        EXPECT_EQ(rect.top, entry.expected.top);
        EXPECT_EQ(rect.right, entry.expected.right);
        EXPECT_EQ(rect.bottom, entry.expected.bottom);
    }
}

TEST_F(GLRenderDevice, ReportsTheDesktopAndTheAdapterLimits)
{
    DisplayMode mode;
    ASSERT_EQ(system.GetAdapterDisplayMode(0, mode), RenderResult::Ok);
    EXPECT_GT(mode.width, 0u);
    EXPECT_GT(mode.height, 0u);
    EXPECT_EQ(mode.format, RenderFormat::X8R8G8B8);
    DeviceCaps caps;
    ASSERT_EQ(system.GetDeviceCaps(0, DeviceType::Hardware, caps), RenderResult::Ok);
    EXPECT_GE(caps.maxTextureWidth, 1024u);
    EXPECT_EQ(caps.maxTextureWidth, gl->GetMaxTextureSize());
    EXPECT_EQ(caps.maxSimultaneousTextures, 8u);
    // The probe leaves the device's context usable.
    device->Clear(ClearTarget, 0xFF102030, 1.0f);
    EXPECT_TRUE(ColourNear(ReadPixel(1, 1), 0xFF102030));
}

TEST_F(GLRenderDevice, TexturesMayOutliveTheirDevice)
{
    std::unique_ptr<cRenderTexture> texture = MakeTexture(2, 2, kQuadrants);
    std::unique_ptr<cRenderTexture> target;
    ASSERT_EQ(device->CreateTexture(8, 8, 1, UsageRenderTarget, RenderFormat::A8R8G8B8, MemoryPool::Default,
                                    target),
              RenderResult::Ok);
    device->SetTexture(0, texture.get());
    DrawQuad(0, 0, 8, 8, 0xFFFFFFFF);
    device->SetRenderTarget(target->GetSurfaceLevel(0));
    device->Clear(ClearTarget, 0, 1.0f);
    device.reset();
    texture.reset();
    target.reset();
}

TEST_F(GLRenderDevice, PresentScalesTheBackBufferIntoTheWindowLetterboxed)
{
    // A 32x16 back buffer in a 64x64 window: shown at 64x32, 16 rows of bars above and below.
    PresentParameters parameters = device->GetPresentParameters();
    parameters.backBufferWidth = 32;
    parameters.backBufferHeight = 16;
    ASSERT_EQ(device->Reset(parameters), RenderResult::Ok);
    device->SetRenderState(RenderState::Lighting, 0);
    UsePixelSpace(32, 16);
    device->Clear(ClearTarget | ClearZBuffer, 0xFF0000FF, 1.0f);
    DrawQuad(0, 0, 32, 8, 0xFFFF0000);
    ASSERT_EQ(device->Present(), RenderResult::Ok);

    // The window's own framebuffer, read bottom row first.
    std::vector<uint8_t> shown(kSize * kSize * 4);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, GLsizei(kSize), GLsizei(kSize), GL_BGRA, GL_UNSIGNED_BYTE, shown.data());
    auto at = [&shown](uint32_t x, uint32_t yFromTop)
    {
        uint32_t argb;
        std::memcpy(&argb, &shown[((kSize - 1 - yFromTop) * kSize + x) * 4], 4);
        return argb | 0xFF000000;
    };
    EXPECT_TRUE(ColourNear(at(32, 4), 0xFF000000));
    EXPECT_TRUE(ColourNear(at(32, 20), 0xFFFF0000));
    EXPECT_TRUE(ColourNear(at(32, 44), 0xFF0000FF));
    EXPECT_TRUE(ColourNear(at(32, 60), 0xFF000000));
}
