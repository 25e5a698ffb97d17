#include "graphics/GxCore.h"

Gdiplus::Status GxLastStatus = Gdiplus::Ok;

namespace {
// The UI thread is the only user of the layer, so plain counters suffice.
int g_liveObjects = 0;
int g_liveStreams = 0;
}  // namespace

bool GxStore(Gdiplus::Status status) {
    GxLastStatus = status;
    return status == Gdiplus::Ok;
}

std::wstring GxAnsiToWide(const char* text) {
    if (!text || !*text) return std::wstring();
    int units = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (units <= 1) return std::wstring();
    std::wstring wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], units);
    wide.resize(static_cast<size_t>(units - 1));  // drop the terminator the count included
    return wide;
}

std::string GxWideToAnsi(const wchar_t* text) {
    if (!text || !*text) return std::string();
    int bytes = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return std::string();
    std::string ansi(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, &ansi[0], bytes, nullptr, nullptr);
    ansi.resize(static_cast<size_t>(bytes - 1));
    return ansi;
}

int GxLiveObjects() { return g_liveObjects; }
int GxLiveStreams() { return g_liveStreams; }
void GxNoteAcquired() { ++g_liveObjects; }
void GxNoteReleased() { --g_liveObjects; }
void GxNoteStreamAcquired() { ++g_liveStreams; }
void GxNoteStreamReleased() { --g_liveStreams; }
