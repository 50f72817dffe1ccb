#pragma once

#include <memory>

// Whether Tivora starts in the background, in this working folder, when the user logs in: each
// desktop keeps that in its own place. Where the platform has none, the menu offers nothing.
class StartAtLogin
{
public:
    // The platform's own, or one that is not available.
    static std::unique_ptr<StartAtLogin> make();

    virtual ~StartAtLogin() = default;
    virtual bool isAvailable() const { return true; }
    virtual bool isOn() const = 0;
    // Turns it on or off; false when that failed and it stays as it was.
    virtual bool set(bool on) = 0;
};

// Where the platform has no start at login.
class NoStartAtLogin : public StartAtLogin
{
public:
    bool isAvailable() const override { return false; }
    bool isOn() const override { return false; }
    bool set(bool) override { return false; }
};
