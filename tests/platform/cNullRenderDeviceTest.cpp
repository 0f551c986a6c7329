// Tests of the null graphics system and device: injected results, recorded calls, the lost-device cycle.
#include "platform/video/cNullRenderDevice.h"
#include "platform/video/cNullGraphicsSystem.h"

#include <gtest/gtest.h>

namespace
{
PresentParameters WindowedParameters()
{
    PresentParameters parameters;
    parameters.backBufferFormat = RenderFormat::X8R8G8B8;
    parameters.windowed = true;
    return parameters;
}
} // namespace

TEST(NullGraphicsSystem, QueuedCreateResultsAreTakenOnePerAttemptAndRecorded)
{
    cNullGraphicsSystem system;
    system.QueueCreateResult(RenderResult::NotAvailable);
    system.QueueCreateResult(RenderResult::OutOfVideoMemory);
    PresentParameters parameters = WindowedParameters();
    std::unique_ptr<cRenderDevice> device;

    EXPECT_EQ(system.CreateDevice(0, DeviceType::Hardware, nullptr, BehaviourHardwareVertexProcessing,
                                  parameters, device),
              RenderResult::NotAvailable);
    EXPECT_EQ(device, nullptr);
    parameters.autoDepthStencilFormat = RenderFormat::D16;
    EXPECT_EQ(system.CreateDevice(0, DeviceType::Hardware, nullptr, BehaviourSoftwareVertexProcessing,
                                  parameters, device),
              RenderResult::OutOfVideoMemory);
    EXPECT_EQ(
        system.CreateDevice(0, DeviceType::Hardware, nullptr, BehaviourMultithreaded, parameters, device),
        RenderResult::Ok);
    ASSERT_NE(device, nullptr);

    const std::vector<NullCreateAttempt>& attempts = system.GetCreateAttempts();
    ASSERT_EQ(attempts.size(), 3u);
    EXPECT_EQ(attempts[0].behaviour, uint32_t(BehaviourHardwareVertexProcessing));
    EXPECT_EQ(attempts[1].parameters.autoDepthStencilFormat, RenderFormat::D16);
    EXPECT_EQ(attempts[2].result, RenderResult::Ok);
    EXPECT_EQ(system.GetLog()->LinesStartingWith("CreateDevice").size(), 3u);
    EXPECT_TRUE(system.GetLog()->Contains("CreateDevice adapter 0 type 1 behaviour 0x40 format X8R8G8B8 "
                                          "depth D24X8 size 0x0 windowed 1 -> NotAvailable"));
}

TEST(NullGraphicsSystem, DefaultResultFailsEveryAttemptAndZeroSizeTakesTheClientSize)
{
    cNullGraphicsSystem system;
    system.SetWindowClientSize(640, 480);
    PresentParameters parameters = WindowedParameters();
    std::unique_ptr<cRenderDevice> device;
    system.SetDefaultCreateResult(RenderResult::NotAvailable);
    for (int attempt = 0; attempt < 12; ++attempt)
    {
        EXPECT_EQ(system.CreateDevice(0, DeviceType::Hardware, nullptr, 0, parameters, device),
                  RenderResult::NotAvailable);
    }
    system.SetDefaultCreateResult(RenderResult::Ok);
    ASSERT_EQ(system.CreateDevice(0, DeviceType::Hardware, nullptr, 0, parameters, device), RenderResult::Ok);
    EXPECT_EQ(parameters.backBufferWidth, 640u);
    EXPECT_EQ(device->GetBackBuffer()->GetWidth(), 640u);
    EXPECT_EQ(device->GetBackBuffer()->GetHeight(), 480u);
}

TEST(NullGraphicsSystem, ReportsTheInjectedDisplayModeAndCaps)
{
    cNullGraphicsSystem system;
    system.SetDisplayMode(DisplayMode{1280, 1024, 60, RenderFormat::A8R8G8B8});
    DisplayMode mode;
    ASSERT_EQ(system.GetAdapterDisplayMode(0, mode), RenderResult::Ok);
    EXPECT_EQ(mode.width, 1280u);
    EXPECT_EQ(mode.format, RenderFormat::A8R8G8B8);
    EXPECT_EQ(system.GetAdapterDisplayMode(1, mode), RenderResult::InvalidCall);
    DeviceCaps caps;
    ASSERT_EQ(system.GetDeviceCaps(0, DeviceType::Hardware, caps), RenderResult::Ok);
    EXPECT_GE(caps.maxSimultaneousTextures, 8u);
}

TEST(NullRenderDevice, RecordsCallsAndKeepsStates)
{
    auto log = std::make_shared<cRenderCallLog>();
    cNullRenderDevice device(log, WindowedParameters(), 320, 200);
    EXPECT_EQ(device.GetRenderState(RenderState::CullMode), uint32_t(CullCounterClockwise));
    device.SetRenderState(RenderState::ZFunc, CompareLess);
    device.SetTextureStageState(1, StageState::ColorOp, StageModulate2x);
    EXPECT_EQ(device.SetTextureStageState(8, StageState::ColorOp, StageModulate), RenderResult::InvalidCall);
    EXPECT_EQ(device.BeginScene(), RenderResult::Ok);
    EXPECT_EQ(device.BeginScene(), RenderResult::InvalidCall);
    device.Clear(ClearTarget | ClearZBuffer, 0xFF000000, 1.0f);
    EXPECT_EQ(device.SetFVF(kVertexPositionDiffuseTex), RenderResult::Ok);
    const uint16_t indices[] = {0, 1, 2};
    const float vertices[18] = {};
    EXPECT_EQ(device.DrawIndexedPrimitiveUP(PrimitiveType::TriangleList, 0, 3, 1, indices,
                                            IndexFormat::Index16, vertices, 24),
              RenderResult::Ok);
    EXPECT_EQ(device.DrawIndexedPrimitiveUP(PrimitiveType::TriangleList, 0, 3, 1, indices,
                                            IndexFormat::Index16, vertices, 16),
              RenderResult::InvalidCall);
    device.EndScene();
    EXPECT_EQ(device.Present(), RenderResult::Ok);

    EXPECT_EQ(device.GetRenderState(RenderState::ZFunc), uint32_t(CompareLess));
    EXPECT_EQ(device.GetStates().GetStageState(1, StageState::ColorOp), uint32_t(StageModulate2x));
    EXPECT_TRUE(log->Contains("SetRenderState ZFunc 2"));
    EXPECT_TRUE(log->Contains("SetTextureStageState 1 ColorOp 5"));
    EXPECT_TRUE(log->Contains("Clear 3 FF000000 1"));
    EXPECT_TRUE(log->Contains("DrawIndexedPrimitiveUP TriangleList 3 1 16 0x142"));
}

TEST(NullRenderDevice, LostDeviceCycleEndsWithASuccessfulReset)
{
    auto log = std::make_shared<cRenderCallLog>();
    cNullRenderDevice device(log, WindowedParameters(), 320, 200);
    device.SetRenderState(RenderState::Lighting, 0);
    device.LoseDevice();
    EXPECT_EQ(device.TestCooperativeLevel(), RenderResult::DeviceLost);
    EXPECT_EQ(device.Present(), RenderResult::DeviceLost);
    PresentParameters parameters = WindowedParameters();
    EXPECT_EQ(device.Reset(parameters), RenderResult::DeviceLost);
    device.AllowReset();
    EXPECT_EQ(device.TestCooperativeLevel(), RenderResult::DeviceNotReset);
    device.QueueResetResult(RenderResult::OutOfVideoMemory);
    EXPECT_EQ(device.Reset(parameters), RenderResult::OutOfVideoMemory);
    EXPECT_EQ(device.TestCooperativeLevel(), RenderResult::DeviceNotReset);
    EXPECT_EQ(device.Reset(parameters), RenderResult::Ok);
    EXPECT_EQ(device.TestCooperativeLevel(), RenderResult::Ok);
    // A reset restores the default states.
    EXPECT_EQ(device.GetRenderState(RenderState::Lighting), 1u);
}

TEST(NullRenderDevice, RenderTargetsAndCopiesCheckTheirSurfaces)
{
    auto log = std::make_shared<cRenderCallLog>();
    cNullRenderDevice device(log, WindowedParameters(), 64, 64);
    std::unique_ptr<cRenderTexture> target;
    std::unique_ptr<cRenderTexture> copy;
    std::unique_ptr<cRenderTexture> plain;
    ASSERT_EQ(device.CreateTexture(64, 64, 1, UsageRenderTarget, RenderFormat::X8R8G8B8, MemoryPool::Default,
                                   target),
              RenderResult::Ok);
    ASSERT_EQ(device.CreateTexture(64, 64, 1, 0, RenderFormat::X8R8G8B8, MemoryPool::SystemMemory, copy),
              RenderResult::Ok);
    ASSERT_EQ(device.CreateTexture(64, 64, 1, 0, RenderFormat::X8R8G8B8, MemoryPool::Managed, plain),
              RenderResult::Ok);
    EXPECT_EQ(device.CreateTexture(64, 64, 1, UsageRenderTarget, RenderFormat::X8R8G8B8, MemoryPool::Managed,
                                   plain),
              RenderResult::InvalidCall);
    ASSERT_EQ(device.CreateTexture(64, 64, 1, 0, RenderFormat::X8R8G8B8, MemoryPool::Managed, plain),
              RenderResult::Ok);

    EXPECT_EQ(device.SetRenderTarget(plain->GetSurfaceLevel(0)), RenderResult::InvalidCall);
    EXPECT_EQ(device.SetRenderTarget(target->GetSurfaceLevel(0)), RenderResult::Ok);
    EXPECT_EQ(device.GetRenderTarget(), target->GetSurfaceLevel(0));
    std::unique_ptr<cRenderTexture> small;
    ASSERT_EQ(device.CreateTexture(32, 16, 1, UsageRenderTarget, RenderFormat::A8R8G8B8, MemoryPool::Default,
                                   small),
              RenderResult::Ok);
    device.SetScissorRect(RenderRect{1, 2, 3, 4});
    ASSERT_EQ(device.SetRenderTarget(small->GetSurfaceLevel(0)), RenderResult::Ok);
    EXPECT_EQ(device.GetViewport().width, 32u);
    EXPECT_EQ(device.GetViewport().height, 16u);
    EXPECT_EQ(device.GetStates().scissor.right, 32);
    EXPECT_EQ(device.GetStates().scissor.left, 0);
    EXPECT_EQ(device.StretchRect(device.GetBackBuffer(), nullptr, target->GetSurfaceLevel(0), nullptr,
                                 FilterLinear),
              RenderResult::Ok);
    EXPECT_EQ(
        device.StretchRect(device.GetBackBuffer(), nullptr, plain->GetSurfaceLevel(0), nullptr, FilterLinear),
        RenderResult::InvalidCall);
    EXPECT_EQ(device.GetRenderTargetData(target->GetSurfaceLevel(0), copy->GetSurfaceLevel(0)),
              RenderResult::Ok);
    EXPECT_EQ(device.GetRenderTargetData(target->GetSurfaceLevel(0), plain->GetSurfaceLevel(0)),
              RenderResult::InvalidCall);
}
