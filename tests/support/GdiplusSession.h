#pragma once
// Starts GDI+ for the tests of one executable: the program does this at start-up, tests
// must do it themselves. Including this header registers a GoogleTest environment once
// per executable, so every test runs between GdiplusStartup and GdiplusShutdown.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#include <gtest/gtest.h>

namespace testing_support {

// GdiplusStartup in the constructor, GdiplusShutdown in the destructor.
class GdiplusSession {
public:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        status_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr);
    }
    ~GdiplusSession() {
        if (status_ == Gdiplus::Ok) Gdiplus::GdiplusShutdown(token_);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    bool started() const { return status_ == Gdiplus::Ok; }

private:
    ULONG_PTR token_ = 0;
    Gdiplus::Status status_ = Gdiplus::GdiplusNotInitialized;
};

class GdiplusEnvironment : public testing::Environment {
public:
    void SetUp() override {
        session_ = new GdiplusSession();
        ASSERT_TRUE(session_->started()) << "GdiplusStartup failed";
    }
    void TearDown() override {
        delete session_;
        session_ = nullptr;
    }

private:
    GdiplusSession* session_ = nullptr;
};

// One registration per executable however many test files include this header.
inline testing::Environment* const kGdiplusEnvironment = testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace testing_support
