// RenderTypes: readable names of the device's states and results.
#include "platform/video/RenderTypes.h"

const char* RenderStateName(RenderState state)
{
    static const char* const names[] = {
        "ZEnable",
        "ZWriteEnable",
        "ZFunc",
        "AlphaBlendEnable",
        "SrcBlend",
        "DestBlend",
        "BlendOp",
        "AlphaTestEnable",
        "AlphaRef",
        "AlphaFunc",
        "CullMode",
        "FillMode",
        "Lighting",
        "Ambient",
        "FogEnable",
        "FogColor",
        "FogTableMode",
        "FogVertexMode",
        "FogStart",
        "FogEnd",
        "FogDensity",
        "ColorVertex",
        "DiffuseMaterialSource",
        "AmbientMaterialSource",
        "SpecularMaterialSource",
        "EmissiveMaterialSource",
        "SpecularEnable",
        "TextureFactor",
        "ScissorTestEnable",
        "NormalizeNormals",
        "MultisampleAntialias",
        "LocalViewer",
        "ShadeMode",
        "DitherEnable",
    };
    static_assert(sizeof names / sizeof names[0] == size_t(RenderState::Count));
    const uint32_t index = uint32_t(state);
    return index < uint32_t(RenderState::Count) ? names[index] : "Unknown";
}

const char* StageStateName(StageState state)
{
    static const char* const names[] = {"ColorOp",   "ColorArg1", "ColorArg2",     "AlphaOp",
                                        "AlphaArg1", "AlphaArg2", "TexCoordIndex", "TextureTransformFlags"};
    static_assert(sizeof names / sizeof names[0] == size_t(StageState::Count));
    const uint32_t index = uint32_t(state);
    return index < uint32_t(StageState::Count) ? names[index] : "Unknown";
}

const char* SamplerStateName(SamplerState state)
{
    static const char* const names[] = {"AddressU", "AddressV", "MagFilter", "MinFilter", "MipFilter"};
    static_assert(sizeof names / sizeof names[0] == size_t(SamplerState::Count));
    const uint32_t index = uint32_t(state);
    return index < uint32_t(SamplerState::Count) ? names[index] : "Unknown";
}

const char* RenderResultName(RenderResult result)
{
    switch (result)
    {
    case RenderResult::Ok:
        return "Ok";
    case RenderResult::NotAvailable:
        return "NotAvailable";
    case RenderResult::InvalidCall:
        return "InvalidCall";
    case RenderResult::OutOfVideoMemory:
        return "OutOfVideoMemory";
    case RenderResult::DeviceLost:
        return "DeviceLost";
    case RenderResult::DeviceNotReset:
        return "DeviceNotReset";
    case RenderResult::DriverError:
        return "DriverError";
    }
    return "Unknown";
}

const char* RenderFormatName(RenderFormat format)
{
    switch (format)
    {
    case RenderFormat::Unknown:
        return "Unknown";
    case RenderFormat::R8G8B8:
        return "R8G8B8";
    case RenderFormat::A8R8G8B8:
        return "A8R8G8B8";
    case RenderFormat::X8R8G8B8:
        return "X8R8G8B8";
    case RenderFormat::R5G6B5:
        return "R5G6B5";
    case RenderFormat::A8:
        return "A8";
    case RenderFormat::D24X8:
        return "D24X8";
    case RenderFormat::D16:
        return "D16";
    }
    return "Unknown";
}
