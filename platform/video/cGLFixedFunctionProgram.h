// cGLFixedFunctionProgram: the OpenGL device's one shader, reproducing the engine's fixed-function pipeline.
#pragma once

#include "platform/video/RenderTypes.h"
#include "platform/video/cRenderStateBlock.h"

#include <cstdint>
#include <string>

// Per-vertex lighting with material colour sources, generated and transformed texture coordinates,
// the texture-stage cascade, specular, fog and alpha test. Blending, depth, culling and scissor are
// plain GL state and are set by the device.
class cGLFixedFunctionProgram
{
public:
    ~cGLFixedFunctionProgram();

    // Compiles and links; false with the reason in error.
    bool Build(std::string& error);
    void Use() const;
    // Sends every uniform derived from the states. stageCount is the number of stages the cascade
    // runs (it ends at the first disabled stage or the first stage without a texture).
    void Apply(const cRenderStateBlock& states, uint32_t vertexFormat, int stageCount);

private:
    struct Locations
    {
        int worldView, projection, normalMatrix, hasColour;
        int lighting, normalize, localViewer, specularEnable, colourVertex;
        int diffuseSource, ambientSource, specularSource, emissiveSource;
        int materialDiffuse, materialAmbient, materialSpecular, materialEmissive, materialPower;
        int globalAmbient, lightCount;
        int lightType, lightPosition, lightDirection, lightDiffuse, lightSpecular, lightAmbient;
        int lightAttenuation, lightSpot;
        int texCoordIndex, texCoordGeneration, transformCount, projected, textureMatrix;
        int fogFromDepth;
        int textures, colourOp, colourArg1, colourArg2, alphaOp, alphaArg1, alphaArg2, stageCount;
        int textureFactor, fogMode, fogColour, fogParameters, alphaTest, alphaFunction, alphaReference;
    };

    void FindLocations();
    void ApplyTransforms(const cRenderStateBlock& states);
    void ApplyLighting(const cRenderStateBlock& states, uint32_t vertexFormat);
    void ApplyLights(const cRenderStateBlock& states);
    void ApplyTexCoords(const cRenderStateBlock& states);
    void ApplyStages(const cRenderStateBlock& states, int stageCount);
    void ApplyFogAndAlpha(const cRenderStateBlock& states);

    uint32_t program = 0;
    Locations at{};
    // What the uniforms were last made from; nothing is sent again while it is unchanged.
    bool applied = false;
    uint32_t appliedTransforms = 0;
    uint32_t appliedStates = 0;
    uint32_t appliedFormat = 0;
    int appliedStageCount = 0;
};
