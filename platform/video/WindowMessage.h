// WindowMessage: one message of the main window's queue, in the shape the engine's window procedure reads.
#pragma once

#include <cstdint>
#include <string>

enum class eWindowMessage : uint32_t
{
    None,
    Activate,      // wParam 1 when the window gained the focus, 0 when it lost it
    Close,         // the user asked to close the window
    QueryOpen,     // the minimised window is being restored
    CopyData,      // data holds a zero-terminated script line from the editor link
    Character,     // wParam is one UTF-16 code unit
    SystemCommand, // wParam is an eSystemCommand
    MouseMove,     // lParam holds the position: x in the low 16 bits, y in the next 16, both signed
    LeftButtonDown,
    LeftButtonUp,
    RightButtonDown,
    RightButtonUp,
    MiddleButtonDown,
    MiddleButtonUp,
    MouseWheel, // the high 16 bits of wParam are the signed turn, 120 per notch
    MouseLeave, // the pointer left the window after a leave notification was asked for
    Quit,       // ends the message loop; wParam is the program's exit code
};

enum class eSystemCommand : uint32_t
{
    Other,
    Maximise,
    Restore,
    ScreenSaver,
    MonitorPower,
};

struct WindowMessage
{
    eWindowMessage type = eWindowMessage::None;
    uint64_t wParam = 0;
    int64_t lParam = 0;
    std::string data; // the payload of a copy-data message
};

// Packs a pointer position the way mouse messages carry it.
inline int64_t MakePointParameter(int x, int y)
{
    return int64_t((uint32_t(uint16_t(int16_t(y))) << 16) | uint16_t(int16_t(x)));
}

inline int16_t LowWordSigned(int64_t parameter)
{
    return int16_t(uint16_t(parameter & 0xFFFF));
}

inline int16_t HighWordSigned(int64_t parameter)
{
    return int16_t(uint16_t((parameter >> 16) & 0xFFFF));
}

inline uint16_t HighWord(uint64_t parameter)
{
    return uint16_t((parameter >> 16) & 0xFFFF);
}
