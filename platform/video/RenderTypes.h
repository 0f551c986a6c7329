// RenderTypes: the results, formats, state names and plain records shared by the rendering devices.
#pragma once

#include <cstdint>
#include <cstring>

// The outcome of a device operation. Success is 0, failures are negative; the values are stable so a
// caller can log an unknown result as its decimal code.
enum class RenderResult : int32_t
{
    Ok = 0,
    NotAvailable = -1,     // the adapter cannot provide what was asked (format, depth, device type)
    InvalidCall = -2,      // wrong arguments or a call in the wrong state
    OutOfVideoMemory = -3, // the device could not allocate a surface or texture
    DeviceLost = -4,       // the device is lost and cannot be reset yet
    DeviceNotReset = -5,   // the device is lost and can be reset now
    DriverError = -6,      // the driver failed in a way that has no better name
};

inline bool Failed(RenderResult result)
{
    return int32_t(result) < 0;
}

// Pixel formats of surfaces, textures and depth buffers. The numbers are those the data files use.
enum class RenderFormat : uint32_t
{
    Unknown = 0,
    R8G8B8 = 20,
    A8R8G8B8 = 21,
    X8R8G8B8 = 22,
    R5G6B5 = 23,
    A8 = 28,
    D24X8 = 77,
    D16 = 80,
};

// Bytes per pixel of a colour format; 0 for depth and unknown formats.
inline uint32_t BytesPerPixel(RenderFormat format)
{
    switch (format)
    {
    case RenderFormat::A8:
        return 1;
    case RenderFormat::R5G6B5:
        return 2;
    case RenderFormat::R8G8B8:
        return 3;
    case RenderFormat::A8R8G8B8:
    case RenderFormat::X8R8G8B8:
        return 4;
    default:
        return 0;
    }
}

enum class DeviceType : uint32_t
{
    Hardware = 1,
    Reference = 2,
    Software = 3,
};

// Behaviour flags of device creation, combined with |.
enum DeviceBehaviour : uint32_t
{
    BehaviourMultithreaded = 0x4,
    BehaviourSoftwareVertexProcessing = 0x20,
    BehaviourHardwareVertexProcessing = 0x40,
};

enum class SwapEffect : uint32_t
{
    Discard = 1,
    Flip = 2,
    Copy = 3,
};

enum class PresentInterval : uint32_t
{
    Default = 0,
    One = 1,
    Immediate = 0x80000000u,
};

// How a device presents and what it draws into.
struct PresentParameters
{
    uint32_t backBufferWidth = 0;  // 0: the device window's client width
    uint32_t backBufferHeight = 0; // 0: the device window's client height
    RenderFormat backBufferFormat = RenderFormat::Unknown;
    uint32_t backBufferCount = 1;
    uint32_t multiSampleType = 0; // 0: no multisampling (the only kind offered)
    uint32_t multiSampleQuality = 0;
    SwapEffect swapEffect = SwapEffect::Discard;
    // The window presented into. For the OpenGL device it is the SDL_Window* the window layer created
    // with SDL_WINDOW_OPENGL; the null device only records it.
    void* deviceWindow = nullptr;
    bool windowed = true;
    bool enableAutoDepthStencil = true;
    RenderFormat autoDepthStencilFormat = RenderFormat::D24X8;
    uint32_t flags = 0;
    uint32_t fullScreenRefreshRate = 0;
    PresentInterval presentationInterval = PresentInterval::Immediate;
};

struct DisplayMode
{
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t refreshRate = 0;
    RenderFormat format = RenderFormat::Unknown;
};

// What an adapter can do, as far as the renderer asks.
struct DeviceCaps
{
    uint32_t maxTextureWidth = 0;
    uint32_t maxTextureHeight = 0;
    uint32_t maxSimultaneousTextures = 0;
    uint32_t maxTextureBlendStages = 0;
    uint32_t maxActiveLights = 0;
};

// Texture usage flags, combined with |.
enum TextureUsage : uint32_t
{
    UsageRenderTarget = 0x1,
    UsageDynamic = 0x200,
    UsageAutoGenMipmap = 0x400,
};

// Where a texture lives. Default-pool textures (dynamic, render targets) are lost with the device.
enum class MemoryPool : uint32_t
{
    Default = 0,
    Managed = 1,
    SystemMemory = 2,
};

// Lock flags, combined with |.
enum LockFlags : uint32_t
{
    LockReadOnly = 0x10,
    LockDiscard = 0x2000,
};

// A locked texture level: bytes per row and the first byte of the top row.
struct LockedRect
{
    int32_t pitch = 0;
    void* bits = nullptr;
};

struct RenderRect
{
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

struct RenderViewport
{
    uint32_t x = 0;
    uint32_t y = 0;
    uint32_t width = 0;
    uint32_t height = 0;
    float minZ = 0.0f;
    float maxZ = 1.0f;
};

// A 4x4 matrix for row vectors: v' = v * M, translation in row 3.
struct RenderMatrix
{
    float m[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
};

struct ColourValue
{
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 0.0f;
};

struct RenderVector
{
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

struct RenderMaterial
{
    ColourValue diffuse;
    ColourValue ambient;
    ColourValue specular;
    ColourValue emissive;
    float power = 0.0f;
};

enum class LightType : uint32_t
{
    Point = 1,
    Spot = 2,
    Directional = 3,
};

// A light of the fixed-function model. Point lights fade by 1 / (a0 + a1 d + a2 d^2) and end at range.
struct RenderLight
{
    LightType type = LightType::Directional;
    ColourValue diffuse;
    ColourValue specular;
    ColourValue ambient;
    RenderVector position;
    RenderVector direction;
    float range = 0.0f;
    float falloff = 0.0f;
    float attenuation0 = 0.0f;
    float attenuation1 = 0.0f;
    float attenuation2 = 0.0f;
    float theta = 0.0f;
    float phi = 0.0f;
};

enum class TransformType : uint32_t
{
    View = 2,
    Projection = 3,
    Texture0 = 16, // Texture0 + stage, up to stage 7
    World = 256,
};

// Render states the engine uses. Values set with SetRenderState are 32-bit; float states (fog start,
// end and density) are passed as their bit pattern, see FloatBits.
enum class RenderState : uint32_t
{
    ZEnable,
    ZWriteEnable,
    ZFunc,
    AlphaBlendEnable,
    SrcBlend,
    DestBlend,
    BlendOp,
    AlphaTestEnable,
    AlphaRef,
    AlphaFunc,
    CullMode,
    FillMode,
    Lighting,
    Ambient,
    FogEnable,
    FogColor,
    FogTableMode,
    FogVertexMode,
    FogStart,
    FogEnd,
    FogDensity,
    ColorVertex,
    DiffuseMaterialSource,
    AmbientMaterialSource,
    SpecularMaterialSource,
    EmissiveMaterialSource,
    SpecularEnable,
    TextureFactor,
    ScissorTestEnable,
    NormalizeNormals,
    MultisampleAntialias,
    LocalViewer,
    ShadeMode,
    DitherEnable,
    Count
};

inline uint32_t FloatBits(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

inline float BitsFloat(uint32_t bits)
{
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Values of the render states, with the numbers the material files use.
enum CompareFunc : uint32_t
{
    CompareNever = 1,
    CompareLess = 2,
    CompareEqual = 3,
    CompareLessEqual = 4,
    CompareGreater = 5,
    CompareNotEqual = 6,
    CompareGreaterEqual = 7,
    CompareAlways = 8,
};

enum BlendFactor : uint32_t
{
    BlendZero = 1,
    BlendOne = 2,
    BlendSrcColour = 3,
    BlendInvSrcColour = 4,
    BlendSrcAlpha = 5,
    BlendInvSrcAlpha = 6,
    BlendDestAlpha = 7,
    BlendInvDestAlpha = 8,
    BlendDestColour = 9,
    BlendInvDestColour = 10,
    BlendSrcAlphaSat = 11,
    BlendBothSrcAlpha = 12,
    BlendBothInvSrcAlpha = 13,
    BlendFactorColour = 14, // the texture factor colour stands in for the blend factor
    BlendInvFactorColour = 15,
};

enum BlendOperation : uint32_t
{
    BlendOpAdd = 1,
    BlendOpSubtract = 2,
    BlendOpRevSubtract = 3,
    BlendOpMin = 4,
    BlendOpMax = 5,
};

// Culling names the winding that is removed, as seen on screen with y pointing down.
enum CullMode : uint32_t
{
    CullNone = 1,
    CullClockwise = 2,
    CullCounterClockwise = 3,
};

enum FillMode : uint32_t
{
    FillPoint = 1,
    FillWireframe = 2,
    FillSolid = 3,
};

enum FogMode : uint32_t
{
    FogNone = 0,
    FogExp = 1,
    FogExp2 = 2,
    FogLinear = 3,
};

enum MaterialSource : uint32_t
{
    SourceMaterial = 0,
    SourceColour1 = 1, // the vertex diffuse colour
    SourceColour2 = 2, // the vertex specular colour (absent from our vertex formats: treated as the material)
};

// Texture-stage states.
enum class StageState : uint32_t
{
    ColorOp,
    ColorArg1,
    ColorArg2,
    AlphaOp,
    AlphaArg1,
    AlphaArg2,
    TexCoordIndex,
    TextureTransformFlags,
    Count
};

enum StageOperation : uint32_t
{
    StageDisable = 1,
    StageSelectArg1 = 2,
    StageSelectArg2 = 3,
    StageModulate = 4,
    StageModulate2x = 5,
    StageModulate4x = 6,
    StageAdd = 7,
    StageAddSigned = 8,
    StageSubtract = 10,
    StageBlendDiffuseAlpha = 12,
    StageBlendTextureAlpha = 13,
    StageBlendFactorAlpha = 14,
};

// Stage arguments; the modifier bits may be or-ed in.
enum StageArgument : uint32_t
{
    ArgDiffuse = 0,
    ArgCurrent = 1,
    ArgTexture = 2,
    ArgTextureFactor = 3,
    ArgSpecular = 4,
    ArgSelectMask = 0xF,
    ArgComplement = 0x10,
    ArgAlphaReplicate = 0x20,
};

// Texture-coordinate index: the low bits pick the vertex coordinate set, the high bits generate
// coordinates instead.
enum TexCoordGeneration : uint32_t
{
    TexCoordPassThru = 0,
    TexCoordCameraSpaceNormal = 0x10000,
    TexCoordCameraSpacePosition = 0x20000,
    TexCoordCameraSpaceReflection = 0x30000,
    TexCoordSphereMap = 0x40000,
};

enum TextureTransformFlag : uint32_t
{
    TextureTransformDisable = 0,
    TextureTransformCount1 = 1,
    TextureTransformCount2 = 2,
    TextureTransformCount3 = 3,
    TextureTransformCount4 = 4,
    TextureTransformProjected = 256,
};

enum class SamplerState : uint32_t
{
    AddressU,
    AddressV,
    MagFilter,
    MinFilter,
    MipFilter,
    Count
};

enum TextureFilter : uint32_t
{
    FilterNone = 0,
    FilterPoint = 1,
    FilterLinear = 2,
    FilterAnisotropic = 3,
};

enum TextureAddress : uint32_t
{
    AddressWrap = 1,
    AddressMirror = 2,
    AddressClamp = 3,
    AddressBorder = 4,
};

// Clear flags, combined with |.
enum ClearFlags : uint32_t
{
    ClearTarget = 0x1,
    ClearZBuffer = 0x2,
    ClearStencil = 0x4,
};

enum class PrimitiveType : uint32_t
{
    LineList = 2,
    TriangleList = 4,
};

enum class IndexFormat : uint32_t
{
    Index16 = 101,
    Index32 = 102,
};

// Flexible vertex format bits. The components follow in this order: position, normal, diffuse, texture
// coordinates.
enum VertexFormatBits : uint32_t
{
    VertexPosition = 0x002,
    VertexNormal = 0x010,
    VertexDiffuse = 0x040,
    VertexTex1 = 0x100,
    VertexTex2 = 0x200,
    VertexTexCountMask = 0xF00,
    VertexTexCountShift = 8,
};

// The vertex formats the engine draws with.
constexpr uint32_t kVertexPositionDiffuse = 0x42;           // x y z, colour: 16 bytes
constexpr uint32_t kVertexPositionDiffuseTex = 0x142;       // x y z, colour, u v: 24 bytes
constexpr uint32_t kVertexPositionNormalDiffuseTex = 0x152; // x y z, nx ny nz, colour, u v: 36 bytes

// Stride in bytes of a vertex format; 0 when it has no position.
inline uint32_t VertexStride(uint32_t format)
{
    if (!(format & VertexPosition))
    {
        return 0;
    }
    uint32_t stride = 12;
    if (format & VertexNormal)
    {
        stride += 12;
    }
    if (format & VertexDiffuse)
    {
        stride += 4;
    }
    stride += 8 * ((format & VertexTexCountMask) >> VertexTexCountShift);
    return stride;
}

constexpr int kMaxTextureStages = 8;
constexpr int kMaxLights = 8;

// Readable names for logs: "ZEnable", "ColorOp", "MagFilter", "DeviceLost".
const char* RenderStateName(RenderState state);
const char* StageStateName(StageState state);
const char* SamplerStateName(SamplerState state);
const char* RenderResultName(RenderResult result);
const char* RenderFormatName(RenderFormat format);

// Where a back buffer of bufferWidth x bufferHeight appears in a drawable of another size: scaled to
// fit, aspect kept, centred (bars left and right or above and below). Coordinates with y down.
inline RenderRect LetterboxRect(uint32_t bufferWidth, uint32_t bufferHeight, uint32_t drawableWidth,
                                uint32_t drawableHeight)
{
    if (bufferWidth == 0 || bufferHeight == 0)
    {
        return RenderRect{0, 0, int32_t(drawableWidth), int32_t(drawableHeight)};
    }
    // Compare drawableWidth / bufferWidth with drawableHeight / bufferHeight without rounding.
    const uint64_t byWidth = uint64_t(drawableWidth) * bufferHeight;
    const uint64_t byHeight = uint64_t(drawableHeight) * bufferWidth;
    uint32_t width = drawableWidth;
    uint32_t height = drawableHeight;
    if (byWidth > byHeight)
    {
        width = uint32_t(byHeight / bufferHeight);
    }
    else
    {
        height = uint32_t(byWidth / bufferWidth);
    }
    const int32_t left = int32_t((drawableWidth - width) / 2);
    const int32_t top = int32_t((drawableHeight - height) / 2);
    return RenderRect{left, top, left + int32_t(width), top + int32_t(height)};
}
