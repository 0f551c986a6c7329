// cRenderStateBlock: every setting a device holds between draws, and the defaults it starts from.
#include "platform/video/cRenderStateBlock.h"

void cRenderStateBlock::SetDefaults(uint32_t width, uint32_t height)
{
    auto set = [this](RenderState state, uint32_t value) { renderStates[size_t(state)] = value; };
    set(RenderState::ZEnable, 1);
    set(RenderState::ZWriteEnable, 1);
    set(RenderState::ZFunc, CompareLessEqual);
    set(RenderState::AlphaBlendEnable, 0);
    set(RenderState::SrcBlend, BlendOne);
    set(RenderState::DestBlend, BlendZero);
    set(RenderState::BlendOp, BlendOpAdd);
    set(RenderState::AlphaTestEnable, 0);
    set(RenderState::AlphaRef, 0);
    set(RenderState::AlphaFunc, CompareAlways);
    set(RenderState::CullMode, CullCounterClockwise);
    set(RenderState::FillMode, FillSolid);
    set(RenderState::Lighting, 1);
    set(RenderState::Ambient, 0);
    set(RenderState::FogEnable, 0);
    set(RenderState::FogColor, 0);
    set(RenderState::FogTableMode, FogNone);
    set(RenderState::FogVertexMode, FogNone);
    set(RenderState::FogStart, FloatBits(0.0f));
    set(RenderState::FogEnd, FloatBits(1.0f));
    set(RenderState::FogDensity, FloatBits(1.0f));
    set(RenderState::ColorVertex, 1);
    set(RenderState::DiffuseMaterialSource, SourceColour1);
    set(RenderState::AmbientMaterialSource, SourceMaterial);
    set(RenderState::SpecularMaterialSource, SourceColour2);
    set(RenderState::EmissiveMaterialSource, SourceMaterial);
    set(RenderState::SpecularEnable, 0);
    set(RenderState::TextureFactor, 0xFFFFFFFFu);
    set(RenderState::ScissorTestEnable, 0);
    set(RenderState::NormalizeNormals, 0);
    set(RenderState::MultisampleAntialias, 1);
    set(RenderState::LocalViewer, 1);
    set(RenderState::ShadeMode, 2);
    set(RenderState::DitherEnable, 0);

    for (uint32_t stage = 0; stage < kMaxTextureStages; ++stage)
    {
        uint32_t* states = stageStates[stage];
        states[size_t(StageState::ColorOp)] = stage == 0 ? StageModulate : StageDisable;
        states[size_t(StageState::ColorArg1)] = ArgTexture;
        states[size_t(StageState::ColorArg2)] = ArgCurrent;
        states[size_t(StageState::AlphaOp)] = stage == 0 ? StageSelectArg1 : StageDisable;
        states[size_t(StageState::AlphaArg1)] = ArgTexture;
        states[size_t(StageState::AlphaArg2)] = ArgCurrent;
        states[size_t(StageState::TexCoordIndex)] = stage;
        states[size_t(StageState::TextureTransformFlags)] = TextureTransformDisable;
        uint32_t* samplers = samplerStates[stage];
        samplers[size_t(SamplerState::AddressU)] = AddressWrap;
        samplers[size_t(SamplerState::AddressV)] = AddressWrap;
        samplers[size_t(SamplerState::MagFilter)] = FilterPoint;
        samplers[size_t(SamplerState::MinFilter)] = FilterPoint;
        samplers[size_t(SamplerState::MipFilter)] = FilterNone;
        textureMatrices[stage] = RenderMatrix();
        textures[stage] = nullptr;
    }
    world = view = projection = RenderMatrix();
    for (uint32_t index = 0; index < kMaxLights; ++index)
    {
        lights[index] = RenderLight();
        lights[index].diffuse = {1, 1, 1, 0};
        lights[index].direction = {0, 0, 1};
        lightEnabled[index] = false;
    }
    material = RenderMaterial();
    material.diffuse = {1, 1, 1, 1};
    material.ambient = {1, 1, 1, 1};
    viewport = RenderViewport{0, 0, width, height, 0.0f, 1.0f};
    scissor = RenderRect{0, 0, int32_t(width), int32_t(height)};
    vertexFormat = 0;
    ++transformVersion;
    ++stateVersion;
}

bool cRenderStateBlock::SetRenderState(RenderState state, uint32_t value)
{
    if (uint32_t(state) >= uint32_t(RenderState::Count))
    {
        return false;
    }
    renderStates[size_t(state)] = value;
    ++stateVersion;
    return true;
}

uint32_t cRenderStateBlock::GetRenderState(RenderState state) const
{
    return uint32_t(state) < uint32_t(RenderState::Count) ? renderStates[size_t(state)] : 0;
}

bool cRenderStateBlock::SetStageState(uint32_t stage, StageState state, uint32_t value)
{
    if (stage >= kMaxTextureStages || uint32_t(state) >= uint32_t(StageState::Count))
    {
        return false;
    }
    stageStates[stage][size_t(state)] = value;
    ++stateVersion;
    return true;
}

uint32_t cRenderStateBlock::GetStageState(uint32_t stage, StageState state) const
{
    if (stage >= kMaxTextureStages || uint32_t(state) >= uint32_t(StageState::Count))
    {
        return 0;
    }
    return stageStates[stage][size_t(state)];
}

bool cRenderStateBlock::SetSamplerState(uint32_t sampler, SamplerState state, uint32_t value)
{
    if (sampler >= kMaxTextureStages || uint32_t(state) >= uint32_t(SamplerState::Count))
    {
        return false;
    }
    samplerStates[sampler][size_t(state)] = value;
    ++stateVersion;
    return true;
}

uint32_t cRenderStateBlock::GetSamplerState(uint32_t sampler, SamplerState state) const
{
    if (sampler >= kMaxTextureStages || uint32_t(state) >= uint32_t(SamplerState::Count))
    {
        return 0;
    }
    return samplerStates[sampler][size_t(state)];
}

bool cRenderStateBlock::SetTransform(TransformType type, const RenderMatrix& matrix)
{
    const uint32_t value = uint32_t(type);
    if (type == TransformType::World)
    {
        world = matrix;
    }
    else if (type == TransformType::View)
    {
        view = matrix;
    }
    else if (type == TransformType::Projection)
    {
        projection = matrix;
    }
    else if (value >= uint32_t(TransformType::Texture0) &&
             value < uint32_t(TransformType::Texture0) + kMaxTextureStages)
    {
        textureMatrices[value - uint32_t(TransformType::Texture0)] = matrix;
    }
    else
    {
        return false;
    }
    ++transformVersion;
    return true;
}

const RenderMatrix& cRenderStateBlock::GetTransform(TransformType type) const
{
    const uint32_t value = uint32_t(type);
    if (type == TransformType::View)
    {
        return view;
    }
    if (type == TransformType::Projection)
    {
        return projection;
    }
    if (value >= uint32_t(TransformType::Texture0) &&
        value < uint32_t(TransformType::Texture0) + kMaxTextureStages)
    {
        return textureMatrices[value - uint32_t(TransformType::Texture0)];
    }
    return world;
}

bool cRenderStateBlock::SetLight(uint32_t index, const RenderLight& light)
{
    if (index >= kMaxLights)
    {
        return false;
    }
    lights[index] = light;
    ++stateVersion;
    return true;
}

bool cRenderStateBlock::EnableLight(uint32_t index, bool enable)
{
    if (index >= kMaxLights)
    {
        return false;
    }
    lightEnabled[index] = enable;
    ++stateVersion;
    return true;
}

bool cRenderStateBlock::SetTexture(uint32_t stage, cRenderTexture* texture)
{
    if (stage >= kMaxTextureStages)
    {
        return false;
    }
    textures[stage] = texture;
    ++stateVersion;
    return true;
}
