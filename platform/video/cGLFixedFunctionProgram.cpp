// cGLFixedFunctionProgram: the OpenGL device's one shader, reproducing the engine's fixed-function pipeline.
#include "platform/video/cGLFixedFunctionProgram.h"

#include <epoxy/gl.h>

#include <cmath>
#include <vector>

namespace
{
const char* const kVertexSource = R"(#version 330 core
layout(location = 0) in vec3 inPosition;
layout(location = 1) in vec3 inNormal;
layout(location = 2) in vec4 inColour;
layout(location = 3) in vec2 inTexCoord;

uniform mat4 uWorldView;
uniform mat4 uProjection;
uniform mat3 uNormalMatrix;
uniform bool uHasColour;
uniform bool uLighting;
uniform bool uNormalize;
uniform bool uLocalViewer;
uniform bool uSpecularEnable;
uniform bool uColourVertex;
uniform int uDiffuseSource;
uniform int uAmbientSource;
uniform int uSpecularSource;
uniform int uEmissiveSource;
uniform vec4 uMaterialDiffuse;
uniform vec4 uMaterialAmbient;
uniform vec4 uMaterialSpecular;
uniform vec4 uMaterialEmissive;
uniform float uMaterialPower;
uniform vec4 uGlobalAmbient;
uniform int uLightCount;
uniform int uLightType[8];
uniform vec3 uLightPosition[8];
uniform vec3 uLightDirection[8];
uniform vec4 uLightDiffuse[8];
uniform vec4 uLightSpecular[8];
uniform vec4 uLightAmbient[8];
uniform vec4 uLightAttenuation[8]; // a0, a1, a2, range
uniform vec3 uLightSpot[8];        // cos(theta / 2), cos(phi / 2), falloff
uniform int uTexCoordIndex[8];
uniform int uTexCoordGeneration[8];
uniform int uTransformCount[8];
uniform bool uProjected[8];
uniform mat4 uTextureMatrix[8];
uniform bool uFogFromDepth;

out vec4 vDiffuse;
out vec4 vSpecular;
out float vFogDistance;
out vec3 vTexCoord[8];

// Material colour sources: 1 takes the vertex colour while colour vertex is on.
vec4 Source(int source, vec4 material, vec4 vertexColour)
{
    if (uColourVertex && uHasColour && source == 1)
        return vertexColour;
    return material;
}

float Spot(int i, vec3 toLight)
{
    if (uLightType[i] != 2)
        return 1.0;
    float rho = dot(-toLight, uLightDirection[i]);
    if (rho > uLightSpot[i].x)
        return 1.0;
    if (rho <= uLightSpot[i].y)
        return 0.0;
    return pow((rho - uLightSpot[i].y) / max(uLightSpot[i].x - uLightSpot[i].y, 1e-6), uLightSpot[i].z);
}

void Light(vec3 eye, vec3 normal, vec4 vertexColour)
{
    vec4 diffuseMaterial = Source(uDiffuseSource, uMaterialDiffuse, vertexColour);
    vec4 ambientMaterial = Source(uAmbientSource, uMaterialAmbient, vertexColour);
    vec4 specularMaterial = Source(uSpecularSource, uMaterialSpecular, vertexColour);
    vec4 emissiveMaterial = Source(uEmissiveSource, uMaterialEmissive, vertexColour);
    vec3 ambient = uGlobalAmbient.rgb;
    vec3 diffuse = vec3(0.0);
    vec3 specular = vec3(0.0);
    vec3 toEye = uLocalViewer ? normalize(-eye) : vec3(0.0, 0.0, -1.0);
    for (int i = 0; i < uLightCount; ++i)
    {
        vec3 toLight;
        float attenuation = 1.0;
        if (uLightType[i] == 3)
        {
            toLight = -uLightDirection[i];
        }
        else
        {
            vec3 offset = uLightPosition[i] - eye;
            float distance = length(offset);
            if (distance > uLightAttenuation[i].w)
                continue;
            toLight = distance > 0.0 ? offset / distance : vec3(0.0, 0.0, -1.0);
            float sum = uLightAttenuation[i].x + uLightAttenuation[i].y * distance +
                        uLightAttenuation[i].z * distance * distance;
            attenuation = sum > 0.0 ? 1.0 / sum : 1.0;
            attenuation *= Spot(i, toLight);
        }
        ambient += uLightAmbient[i].rgb * attenuation;
        float lambert = max(dot(normal, toLight), 0.0);
        diffuse += uLightDiffuse[i].rgb * lambert * attenuation;
        if (uSpecularEnable && lambert > 0.0)
        {
            float highlight = max(dot(normal, normalize(toEye + toLight)), 0.0);
            specular += uLightSpecular[i].rgb * pow(highlight, uMaterialPower) * attenuation;
        }
    }
    vec3 lit = emissiveMaterial.rgb + ambientMaterial.rgb * ambient + diffuseMaterial.rgb * diffuse;
    vDiffuse = vec4(clamp(lit, 0.0, 1.0), clamp(diffuseMaterial.a, 0.0, 1.0));
    vSpecular = vec4(clamp(specularMaterial.rgb * specular, 0.0, 1.0), 0.0);
}

vec4 GeneratedCoordinate(int generation, vec3 eye, vec3 normal)
{
    if (generation == 1)
        return vec4(normal, 1.0);
    if (generation == 2)
        return vec4(eye, 1.0);
    vec3 view = length(eye) > 0.0 ? normalize(eye) : vec3(0.0, 0.0, 1.0);
    vec3 reflected = view - 2.0 * dot(normal, view) * normal;
    if (generation == 3)
        return vec4(reflected, 1.0);
    // Sphere map: a surface facing the viewer samples the centre; camera y runs up, texture v down.
    float m = 2.0 * sqrt(reflected.x * reflected.x + reflected.y * reflected.y +
                         (reflected.z - 1.0) * (reflected.z - 1.0));
    if (m <= 0.0)
        return vec4(0.5, 0.5, 1.0, 0.0);
    return vec4(reflected.x / m + 0.5, -reflected.y / m + 0.5, 1.0, 0.0);
}

void main()
{
    vec4 eye = uWorldView * vec4(inPosition, 1.0);
    vec4 clip = uProjection * eye;
    vec3 normal = uNormalMatrix * inNormal;
    if (uNormalize && dot(normal, normal) > 0.0)
        normal = normalize(normal);
    vec4 colour = uHasColour ? inColour : vec4(1.0);
    if (uLighting)
    {
        Light(eye.xyz, normal, colour);
    }
    else
    {
        vDiffuse = colour;
        vSpecular = vec4(0.0);
    }
    for (int s = 0; s < 8; ++s)
    {
        vec4 source;
        if (uTexCoordGeneration[s] != 0)
            source = GeneratedCoordinate(uTexCoordGeneration[s], eye.xyz, normal);
        else
            source = vec4(uTexCoordIndex[s] == 0 ? inTexCoord : vec2(0.0), 1.0, 0.0);
        vec4 coordinate = uTransformCount[s] > 0 ? uTextureMatrix[s] * source : source;
        float q = 1.0;
        if (uProjected[s])
            q = uTransformCount[s] == 3 ? coordinate.z : coordinate.w;
        vTexCoord[s] = vec3(coordinate.xy, q);
    }
    vFogDistance = uFogFromDepth ? clip.z / clip.w : eye.z;
    // Depth runs 0..1 in clip space here and -1..1 in GL; y is flipped so row 0 of every target is
    // its top row, as textures store it.
    gl_Position = vec4(clip.x, -clip.y, 2.0 * clip.z - clip.w, clip.w);
}
)";

const char* const kFragmentHead = R"(#version 330 core
in vec4 vDiffuse;
in vec4 vSpecular;
in float vFogDistance;
in vec3 vTexCoord[8];

uniform sampler2D uTextures[8];
uniform int uColourOp[8];
uniform int uColourArg1[8];
uniform int uColourArg2[8];
uniform int uAlphaOp[8];
uniform int uAlphaArg1[8];
uniform int uAlphaArg2[8];
uniform int uStageCount;
uniform vec4 uTextureFactor;
uniform bool uSpecularEnable;
uniform int uFogMode; // 0 off, 1 exponential, 2 squared exponential, 3 linear
uniform vec4 uFogColour;
uniform vec3 uFogParameters; // start, end, density
uniform bool uAlphaTest;
uniform int uAlphaFunction;
uniform float uAlphaReference;

out vec4 outColour;

vec4 Argument(int argument, vec4 current, vec4 texel)
{
    int which = argument & 15;
    vec4 value = current;
    if (which == 0)
        value = vDiffuse;
    else if (which == 2)
        value = texel;
    else if (which == 3)
        value = uTextureFactor;
    else if (which == 4)
        value = vSpecular;
    if ((argument & 16) != 0)
        value = vec4(1.0) - value;
    if ((argument & 32) != 0)
        value = vec4(value.a);
    return value;
}

vec4 Operate(int operation, vec4 a, vec4 b, vec4 current, vec4 texel)
{
    vec4 result = a;
    if (operation == 3)
        result = b;
    else if (operation == 4)
        result = a * b;
    else if (operation == 5)
        result = a * b * 2.0;
    else if (operation == 6)
        result = a * b * 4.0;
    else if (operation == 7)
        result = a + b;
    else if (operation == 8)
        result = a + b - 0.5;
    else if (operation == 9)
        result = (a + b - 0.5) * 2.0;
    else if (operation == 10)
        result = a - b;
    else if (operation == 11)
        result = a + b - a * b;
    else if (operation == 12)
        result = mix(b, a, vDiffuse.a);
    else if (operation == 13)
        result = mix(b, a, texel.a);
    else if (operation == 14)
        result = mix(b, a, uTextureFactor.a);
    else if (operation == 15)
        result = a + b * (1.0 - texel.a);
    else if (operation == 16)
        result = mix(b, a, current.a);
    return clamp(result, 0.0, 1.0);
}

vec4 Stage(int s, vec4 current, vec4 texel)
{
    vec4 colour = Operate(uColourOp[s], Argument(uColourArg1[s], current, texel),
                          Argument(uColourArg2[s], current, texel), current, texel);
    float alpha = current.a;
    if (uAlphaOp[s] != 1)
        alpha = Operate(uAlphaOp[s], Argument(uAlphaArg1[s], current, texel),
                        Argument(uAlphaArg2[s], current, texel), current, texel).a;
    return vec4(colour.rgb, alpha);
}

bool Passes(int function, float value, float reference)
{
    if (function == 1)
        return false;
    if (function == 2)
        return value < reference;
    if (function == 3)
        return value == reference;
    if (function == 4)
        return value <= reference;
    if (function == 5)
        return value > reference;
    if (function == 6)
        return value != reference;
    if (function == 7)
        return value >= reference;
    return true;
}

float FogFactor(float distance)
{
    if (uFogMode == 3)
    {
        float range = uFogParameters.y - uFogParameters.x;
        return range != 0.0 ? (uFogParameters.y - distance) / range : 1.0;
    }
    float scaled = uFogParameters.z * distance;
    if (uFogMode == 2)
        return exp(-scaled * scaled);
    return exp(-scaled);
}

void main()
{
    vec4 current = vDiffuse;
)";

const char* const kFragmentTail = R"(
    if (uSpecularEnable)
        current.rgb = min(current.rgb + vSpecular.rgb, vec3(1.0));
    if (uFogMode != 0)
        current.rgb = mix(uFogColour.rgb, current.rgb, clamp(FogFactor(vFogDistance), 0.0, 1.0));
    if (uAlphaTest && !Passes(uAlphaFunction, floor(current.a * 255.0 + 0.5), uAlphaReference))
        discard;
    outColour = current;
}
)";

// Samplers can only be indexed by constants, so each stage of the cascade is written out.
std::string FragmentSource()
{
    std::string source = kFragmentHead;
    for (int stage = 0; stage < kMaxTextureStages; ++stage)
    {
        const std::string s = std::to_string(stage);
        source += "    if (uStageCount > " + s + ")\n        current = Stage(" + s +
                  ", current, texture(uTextures[" + s + "], vTexCoord[" + s + "].xy / vTexCoord[" + s +
                  "].z));\n";
    }
    return source + kFragmentTail;
}

bool Compile(GLuint shader, const char* source, std::string& error)
{
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint status = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
    if (status)
    {
        return true;
    }
    char log[2048] = {};
    glGetShaderInfoLog(shader, sizeof log, nullptr, log);
    error = log;
    return false;
}

// Row-vector product of two matrices: a then b.
RenderMatrix Multiply(const RenderMatrix& a, const RenderMatrix& b)
{
    RenderMatrix result;
    for (int row = 0; row < 4; ++row)
    {
        for (int column = 0; column < 4; ++column)
        {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k)
            {
                sum += a.m[row][k] * b.m[k][column];
            }
            result.m[row][column] = sum;
        }
    }
    return result;
}

// The inverse of the upper 3x3 of a matrix, row-major; identity when it is singular.
void Inverse3(const RenderMatrix& matrix, float inverse[9])
{
    const float(*m)[4] = matrix.m;
    const float c00 = m[1][1] * m[2][2] - m[1][2] * m[2][1];
    const float c01 = m[1][2] * m[2][0] - m[1][0] * m[2][2];
    const float c02 = m[1][0] * m[2][1] - m[1][1] * m[2][0];
    const float determinant = m[0][0] * c00 + m[0][1] * c01 + m[0][2] * c02;
    if (std::fabs(determinant) < 1e-20f)
    {
        const float identity[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
        std::copy(identity, identity + 9, inverse);
        return;
    }
    const float f = 1.0f / determinant;
    inverse[0] = c00 * f;
    inverse[1] = (m[0][2] * m[2][1] - m[0][1] * m[2][2]) * f;
    inverse[2] = (m[0][1] * m[1][2] - m[0][2] * m[1][1]) * f;
    inverse[3] = c01 * f;
    inverse[4] = (m[0][0] * m[2][2] - m[0][2] * m[2][0]) * f;
    inverse[5] = (m[0][2] * m[1][0] - m[0][0] * m[1][2]) * f;
    inverse[6] = c02 * f;
    inverse[7] = (m[0][1] * m[2][0] - m[0][0] * m[2][1]) * f;
    inverse[8] = (m[0][0] * m[1][1] - m[0][1] * m[1][0]) * f;
}

RenderVector TransformPoint(const RenderVector& v, const RenderMatrix& m)
{
    return {v.x * m.m[0][0] + v.y * m.m[1][0] + v.z * m.m[2][0] + m.m[3][0],
            v.x * m.m[0][1] + v.y * m.m[1][1] + v.z * m.m[2][1] + m.m[3][1],
            v.x * m.m[0][2] + v.y * m.m[1][2] + v.z * m.m[2][2] + m.m[3][2]};
}

RenderVector TransformDirection(const RenderVector& v, const RenderMatrix& m)
{
    RenderVector d{v.x * m.m[0][0] + v.y * m.m[1][0] + v.z * m.m[2][0],
                   v.x * m.m[0][1] + v.y * m.m[1][1] + v.z * m.m[2][1],
                   v.x * m.m[0][2] + v.y * m.m[1][2] + v.z * m.m[2][2]};
    const float length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    if (length > 0.0f)
    {
        d = {d.x / length, d.y / length, d.z / length};
    }
    return d;
}

// ARGB to the four floats of a colour.
void Unpack(uint32_t argb, float colour[4])
{
    colour[0] = float((argb >> 16) & 0xFF) / 255.0f;
    colour[1] = float((argb >> 8) & 0xFF) / 255.0f;
    colour[2] = float(argb & 0xFF) / 255.0f;
    colour[3] = float(argb >> 24) / 255.0f;
}

void SetColour(int location, const ColourValue& colour)
{
    glUniform4f(location, colour.r, colour.g, colour.b, colour.a);
}
} // namespace

cGLFixedFunctionProgram::~cGLFixedFunctionProgram()
{
    if (program)
    {
        glDeleteProgram(program);
    }
}

bool cGLFixedFunctionProgram::Build(std::string& error)
{
    const GLuint vertex = glCreateShader(GL_VERTEX_SHADER);
    const GLuint fragment = glCreateShader(GL_FRAGMENT_SHADER);
    const std::string fragmentSource = FragmentSource();
    bool compiled = Compile(vertex, kVertexSource, error) && Compile(fragment, fragmentSource.c_str(), error);
    if (compiled)
    {
        program = glCreateProgram();
        glAttachShader(program, vertex);
        glAttachShader(program, fragment);
        glLinkProgram(program);
        GLint status = 0;
        glGetProgramiv(program, GL_LINK_STATUS, &status);
        if (!status)
        {
            char log[2048] = {};
            glGetProgramInfoLog(program, sizeof log, nullptr, log);
            error = log;
            compiled = false;
        }
    }
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    if (!compiled)
    {
        return false;
    }
    FindLocations();
    glUseProgram(program);
    const GLint units[kMaxTextureStages] = {0, 1, 2, 3, 4, 5, 6, 7};
    glUniform1iv(at.textures, kMaxTextureStages, units);
    return true;
}

void cGLFixedFunctionProgram::Use() const
{
    glUseProgram(program);
}

void cGLFixedFunctionProgram::FindLocations()
{
    auto find = [this](const char* name) { return glGetUniformLocation(program, name); };
    at.worldView = find("uWorldView");
    at.projection = find("uProjection");
    at.normalMatrix = find("uNormalMatrix");
    at.hasColour = find("uHasColour");
    at.lighting = find("uLighting");
    at.normalize = find("uNormalize");
    at.localViewer = find("uLocalViewer");
    at.specularEnable = find("uSpecularEnable");
    at.colourVertex = find("uColourVertex");
    at.diffuseSource = find("uDiffuseSource");
    at.ambientSource = find("uAmbientSource");
    at.specularSource = find("uSpecularSource");
    at.emissiveSource = find("uEmissiveSource");
    at.materialDiffuse = find("uMaterialDiffuse");
    at.materialAmbient = find("uMaterialAmbient");
    at.materialSpecular = find("uMaterialSpecular");
    at.materialEmissive = find("uMaterialEmissive");
    at.materialPower = find("uMaterialPower");
    at.globalAmbient = find("uGlobalAmbient");
    at.lightCount = find("uLightCount");
    at.lightType = find("uLightType");
    at.lightPosition = find("uLightPosition");
    at.lightDirection = find("uLightDirection");
    at.lightDiffuse = find("uLightDiffuse");
    at.lightSpecular = find("uLightSpecular");
    at.lightAmbient = find("uLightAmbient");
    at.lightAttenuation = find("uLightAttenuation");
    at.lightSpot = find("uLightSpot");
    at.texCoordIndex = find("uTexCoordIndex");
    at.texCoordGeneration = find("uTexCoordGeneration");
    at.transformCount = find("uTransformCount");
    at.projected = find("uProjected");
    at.textureMatrix = find("uTextureMatrix");
    at.fogFromDepth = find("uFogFromDepth");
    at.textures = find("uTextures");
    at.colourOp = find("uColourOp");
    at.colourArg1 = find("uColourArg1");
    at.colourArg2 = find("uColourArg2");
    at.alphaOp = find("uAlphaOp");
    at.alphaArg1 = find("uAlphaArg1");
    at.alphaArg2 = find("uAlphaArg2");
    at.stageCount = find("uStageCount");
    at.textureFactor = find("uTextureFactor");
    at.fogMode = find("uFogMode");
    at.fogColour = find("uFogColour");
    at.fogParameters = find("uFogParameters");
    at.alphaTest = find("uAlphaTest");
    at.alphaFunction = find("uAlphaFunction");
    at.alphaReference = find("uAlphaReference");
}

void cGLFixedFunctionProgram::Apply(const cRenderStateBlock& states, uint32_t vertexFormat, int stageCount)
{
    const bool statesChanged = !applied || states.StateVersion() != appliedStates ||
                               vertexFormat != appliedFormat || stageCount != appliedStageCount;
    const bool transformsChanged = !applied || states.TransformVersion() != appliedTransforms;
    if (statesChanged)
    {
        ApplyLighting(states, vertexFormat);
        ApplyStages(states, stageCount);
        ApplyFogAndAlpha(states);
    }
    else if (transformsChanged)
    {
        // Lights are placed by the view.
        ApplyLights(states);
    }
    if (statesChanged || transformsChanged)
    {
        // Texture-coordinate generation and fog depth also follow the states.
        ApplyTransforms(states);
        ApplyTexCoords(states);
    }
    applied = true;
    appliedStates = states.StateVersion();
    appliedTransforms = states.TransformVersion();
    appliedFormat = vertexFormat;
    appliedStageCount = stageCount;
}

void cGLFixedFunctionProgram::ApplyTransforms(const cRenderStateBlock& states)
{
    // Row-major memory read as column-major gives the transpose, so M * v in the shader is the
    // row-vector product v * M.
    const RenderMatrix worldView =
        Multiply(states.GetTransform(TransformType::World), states.GetTransform(TransformType::View));
    glUniformMatrix4fv(at.worldView, 1, GL_FALSE, &worldView.m[0][0]);
    glUniformMatrix4fv(at.projection, 1, GL_FALSE, &states.GetTransform(TransformType::Projection).m[0][0]);
    // Normals go through the inverse transpose of world-view; for row vectors that is the inverse
    // read transposed.
    float inverse[9];
    Inverse3(worldView, inverse);
    glUniformMatrix3fv(at.normalMatrix, 1, GL_TRUE, inverse);
    const RenderMatrix& projection = states.GetTransform(TransformType::Projection);
    const bool affine = projection.m[0][3] == 0.0f && projection.m[1][3] == 0.0f &&
                        projection.m[2][3] == 0.0f && projection.m[3][3] == 1.0f;
    const bool tableFog = states.GetRenderState(RenderState::FogTableMode) != FogNone;
    // Pixel fog of a perspective projection uses eye depth; of an orthographic one the depth value.
    glUniform1i(at.fogFromDepth, tableFog && affine);
}

void cGLFixedFunctionProgram::ApplyLighting(const cRenderStateBlock& states, uint32_t vertexFormat)
{
    glUniform1i(at.hasColour, (vertexFormat & VertexDiffuse) != 0);
    glUniform1i(at.lighting, states.GetRenderState(RenderState::Lighting) != 0);
    glUniform1i(at.normalize, states.GetRenderState(RenderState::NormalizeNormals) != 0);
    glUniform1i(at.localViewer, states.GetRenderState(RenderState::LocalViewer) != 0);
    glUniform1i(at.specularEnable, states.GetRenderState(RenderState::SpecularEnable) != 0);
    glUniform1i(at.colourVertex, states.GetRenderState(RenderState::ColorVertex) != 0);
    glUniform1i(at.diffuseSource, GLint(states.GetRenderState(RenderState::DiffuseMaterialSource)));
    glUniform1i(at.ambientSource, GLint(states.GetRenderState(RenderState::AmbientMaterialSource)));
    glUniform1i(at.specularSource, GLint(states.GetRenderState(RenderState::SpecularMaterialSource)));
    glUniform1i(at.emissiveSource, GLint(states.GetRenderState(RenderState::EmissiveMaterialSource)));
    SetColour(at.materialDiffuse, states.material.diffuse);
    SetColour(at.materialAmbient, states.material.ambient);
    SetColour(at.materialSpecular, states.material.specular);
    SetColour(at.materialEmissive, states.material.emissive);
    glUniform1f(at.materialPower, states.material.power);
    float ambient[4];
    Unpack(states.GetRenderState(RenderState::Ambient), ambient);
    glUniform4fv(at.globalAmbient, 1, ambient);
    ApplyLights(states);
}

void cGLFixedFunctionProgram::ApplyLights(const cRenderStateBlock& states)
{
    // Lights are given in world space and lit in eye space, with the view of the draw.
    const RenderMatrix& view = states.GetTransform(TransformType::View);
    GLint types[kMaxLights] = {};
    float positions[kMaxLights][3] = {};
    float directions[kMaxLights][3] = {};
    float diffuse[kMaxLights][4] = {};
    float specular[kMaxLights][4] = {};
    float ambient[kMaxLights][4] = {};
    float attenuation[kMaxLights][4] = {};
    float spot[kMaxLights][3] = {};
    int count = 0;
    for (uint32_t index = 0; index < kMaxLights; ++index)
    {
        if (!states.IsLightEnabled(index))
        {
            continue;
        }
        const RenderLight& light = states.GetLight(index);
        types[count] = GLint(light.type);
        const RenderVector position = TransformPoint(light.position, view);
        const RenderVector direction = TransformDirection(light.direction, view);
        positions[count][0] = position.x;
        positions[count][1] = position.y;
        positions[count][2] = position.z;
        directions[count][0] = direction.x;
        directions[count][1] = direction.y;
        directions[count][2] = direction.z;
        const ColourValue* colours[3] = {&light.diffuse, &light.specular, &light.ambient};
        float(*targets[3])[4] = {diffuse, specular, ambient};
        for (int k = 0; k < 3; ++k)
        {
            targets[k][count][0] = colours[k]->r;
            targets[k][count][1] = colours[k]->g;
            targets[k][count][2] = colours[k]->b;
            targets[k][count][3] = colours[k]->a;
        }
        attenuation[count][0] = light.attenuation0;
        attenuation[count][1] = light.attenuation1;
        attenuation[count][2] = light.attenuation2;
        attenuation[count][3] = light.range;
        spot[count][0] = std::cos(light.theta / 2.0f);
        spot[count][1] = std::cos(light.phi / 2.0f);
        spot[count][2] = light.falloff;
        ++count;
    }
    glUniform1i(at.lightCount, count);
    glUniform1iv(at.lightType, kMaxLights, types);
    glUniform3fv(at.lightPosition, kMaxLights, &positions[0][0]);
    glUniform3fv(at.lightDirection, kMaxLights, &directions[0][0]);
    glUniform4fv(at.lightDiffuse, kMaxLights, &diffuse[0][0]);
    glUniform4fv(at.lightSpecular, kMaxLights, &specular[0][0]);
    glUniform4fv(at.lightAmbient, kMaxLights, &ambient[0][0]);
    glUniform4fv(at.lightAttenuation, kMaxLights, &attenuation[0][0]);
    glUniform3fv(at.lightSpot, kMaxLights, &spot[0][0]);
}

void cGLFixedFunctionProgram::ApplyTexCoords(const cRenderStateBlock& states)
{
    GLint indices[kMaxTextureStages];
    GLint generations[kMaxTextureStages];
    GLint counts[kMaxTextureStages];
    GLint projected[kMaxTextureStages];
    float matrices[kMaxTextureStages][16];
    for (uint32_t stage = 0; stage < kMaxTextureStages; ++stage)
    {
        const uint32_t index = states.GetStageState(stage, StageState::TexCoordIndex);
        indices[stage] = GLint(index & 0xFFFF);
        generations[stage] = GLint(index >> 16);
        const uint32_t flags = states.GetStageState(stage, StageState::TextureTransformFlags);
        counts[stage] = GLint(flags & 0xFF);
        projected[stage] = (flags & TextureTransformProjected) != 0;
        const RenderMatrix& matrix =
            states.GetTransform(TransformType(uint32_t(TransformType::Texture0) + stage));
        std::copy(&matrix.m[0][0], &matrix.m[0][0] + 16, matrices[stage]);
    }
    glUniform1iv(at.texCoordIndex, kMaxTextureStages, indices);
    glUniform1iv(at.texCoordGeneration, kMaxTextureStages, generations);
    glUniform1iv(at.transformCount, kMaxTextureStages, counts);
    glUniform1iv(at.projected, kMaxTextureStages, projected);
    glUniformMatrix4fv(at.textureMatrix, kMaxTextureStages, GL_FALSE, &matrices[0][0]);
}

void cGLFixedFunctionProgram::ApplyStages(const cRenderStateBlock& states, int stageCount)
{
    const StageState names[6] = {StageState::ColorOp, StageState::ColorArg1, StageState::ColorArg2,
                                 StageState::AlphaOp, StageState::AlphaArg1, StageState::AlphaArg2};
    const int locations[6] = {at.colourOp, at.colourArg1, at.colourArg2,
                              at.alphaOp,  at.alphaArg1,  at.alphaArg2};
    for (int k = 0; k < 6; ++k)
    {
        GLint values[kMaxTextureStages];
        for (uint32_t stage = 0; stage < kMaxTextureStages; ++stage)
        {
            values[stage] = GLint(states.GetStageState(stage, names[k]));
        }
        glUniform1iv(locations[k], kMaxTextureStages, values);
    }
    glUniform1i(at.stageCount, stageCount);
    float factor[4];
    Unpack(states.GetRenderState(RenderState::TextureFactor), factor);
    glUniform4fv(at.textureFactor, 1, factor);
}

void cGLFixedFunctionProgram::ApplyFogAndAlpha(const cRenderStateBlock& states)
{
    uint32_t fogMode = FogNone;
    if (states.GetRenderState(RenderState::FogEnable))
    {
        fogMode = states.GetRenderState(RenderState::FogTableMode);
        if (fogMode == FogNone)
        {
            fogMode = states.GetRenderState(RenderState::FogVertexMode);
        }
    }
    glUniform1i(at.fogMode, GLint(fogMode));
    float fogColour[4];
    Unpack(states.GetRenderState(RenderState::FogColor), fogColour);
    glUniform4fv(at.fogColour, 1, fogColour);
    glUniform3f(at.fogParameters, states.GetRenderStateFloat(RenderState::FogStart),
                states.GetRenderStateFloat(RenderState::FogEnd),
                states.GetRenderStateFloat(RenderState::FogDensity));
    glUniform1i(at.alphaTest, states.GetRenderState(RenderState::AlphaTestEnable) != 0);
    glUniform1i(at.alphaFunction, GLint(states.GetRenderState(RenderState::AlphaFunc)));
    glUniform1f(at.alphaReference, float(states.GetRenderState(RenderState::AlphaRef) & 0xFF));
}
