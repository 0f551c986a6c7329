// cString: the engine's 8-bit string; empty is a null buffer of length 0, ordering is byte-wise.
#pragma once

#include <cstdint>

class cString
{
public:
    cString() = default;
    cString(const char* text);
    cString(const char* text, int count);
    cString(const cString& other);
    cString(cString&& other) noexcept;
    ~cString();

    cString& operator=(const cString& other);
    cString& operator=(cString&& other) noexcept;
    cString& operator=(const char* text);

    cString& operator+=(const cString& other);
    cString& operator+=(const char* text);
    cString& operator+=(char character);

    void Assign(const char* text, int count);
    void Append(const char* text, int count);
    void Clear();

    // The text is never null: an empty string yields a static empty text.
    const char* Text() const { return data ? data : ""; }
    int Length() const { return length; }
    bool IsEmpty() const { return length == 0; }
    // Reads bytes 0..Length()-1 without bounds check; callers check the index.
    char operator[](int index) const { return data[index]; }
    // The last byte, or 0 for an empty string.
    char Last() const { return length ? data[length - 1] : 0; }

    cString Left(int count) const;
    cString Right(int count) const;
    cString Mid(int start, int count = -1) const;

    // Lengths first, then bytes.
    bool operator==(const cString& other) const;
    bool operator==(const char* text) const;
    bool operator!=(const cString& other) const { return !(*this == other); }
    bool operator!=(const char* text) const { return !(*this == text); }
    // Unsigned byte-wise comparison, as the C library's string comparison: <0, 0, >0. Every byte
    // counts, so a text with a zero byte inside never equals the text before that byte.
    int Compare(const cString& other) const;
    int Compare(const char* text) const;
    bool operator<(const cString& other) const { return Compare(other) < 0; }

    // The byte-wise order of two texts of known lengths; a shorter prefix comes first.
    static int CompareBytes(const char* left, int leftLength, const char* right, int rightLength);

    // printf-style formatting into a new string.
    static cString Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

private:
    void Reserve(int count);

    char* data = nullptr;
    int32_t length = 0;
};

cString operator+(const cString& left, const cString& right);
cString operator+(const cString& left, const char* right);
cString operator+(const char* left, const cString& right);
