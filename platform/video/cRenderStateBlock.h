// cRenderStateBlock: every setting a device holds between draws, and the defaults it starts from.
#pragma once

#include "platform/video/RenderTypes.h"

#include <cstdint>

class cRenderTexture;

// The plain state of a device: both the null and the OpenGL device keep one and check their
// arguments through it.
//
// A new device starts from the defaults, and so does a device after a reset.
class cRenderStateBlock
{
public:
    cRenderStateBlock() { SetDefaults(0, 0); }

    // Restores every state; viewport and scissor cover width x height.
    void SetDefaults(uint32_t width, uint32_t height);

    bool SetRenderState(RenderState state, uint32_t value);
    uint32_t GetRenderState(RenderState state) const;
    float GetRenderStateFloat(RenderState state) const { return BitsFloat(GetRenderState(state)); }
    bool SetStageState(uint32_t stage, StageState state, uint32_t value);
    uint32_t GetStageState(uint32_t stage, StageState state) const;
    bool SetSamplerState(uint32_t sampler, SamplerState state, uint32_t value);
    uint32_t GetSamplerState(uint32_t sampler, SamplerState state) const;
    bool SetTransform(TransformType type, const RenderMatrix& matrix);
    const RenderMatrix& GetTransform(TransformType type) const;
    bool SetLight(uint32_t index, const RenderLight& light);
    bool EnableLight(uint32_t index, bool enable);
    const RenderLight& GetLight(uint32_t index) const { return lights[index]; }
    bool IsLightEnabled(uint32_t index) const { return index < kMaxLights && lightEnabled[index]; }
    bool SetTexture(uint32_t stage, cRenderTexture* texture);
    cRenderTexture* GetTexture(uint32_t stage) const
    {
        return stage < kMaxTextureStages ? textures[stage] : nullptr;
    }

    // Raised by every change: transforms count apart from the rest, so a draw that only moved the
    // world matrix sends only what depends on it.
    uint32_t TransformVersion() const { return transformVersion; }
    uint32_t StateVersion() const { return stateVersion; }
    void Touch() { ++stateVersion; }

    RenderMaterial material;
    RenderViewport viewport;
    RenderRect scissor;
    uint32_t vertexFormat = 0;

private:
    uint32_t renderStates[size_t(RenderState::Count)] = {};
    uint32_t stageStates[kMaxTextureStages][size_t(StageState::Count)] = {};
    uint32_t samplerStates[kMaxTextureStages][size_t(SamplerState::Count)] = {};
    RenderMatrix world;
    RenderMatrix view;
    RenderMatrix projection;
    RenderMatrix textureMatrices[kMaxTextureStages];
    RenderLight lights[kMaxLights];
    bool lightEnabled[kMaxLights] = {};
    cRenderTexture* textures[kMaxTextureStages] = {};
    uint32_t transformVersion = 0;
    uint32_t stateVersion = 0;
};
