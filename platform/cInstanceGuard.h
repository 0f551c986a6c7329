// cInstanceGuard: makes sure one copy of the program runs per user; a second start asks the first to come forward.
#pragma once

#include <atomic>
#include <string>
#include <thread>

class cInstanceGuard
{
public:
    // name identifies the program, for example the window class and title; the guard is per user
    // and per user data folder.
    explicit cInstanceGuard(const std::string& name);
    ~cInstanceGuard();
    cInstanceGuard(const cInstanceGuard&) = delete;
    cInstanceGuard& operator=(const cInstanceGuard&) = delete;

    // True when this is the only running copy; it then holds the guard until destroyed.
    // False when another copy holds it: that copy has been asked to come forward.
    bool Acquire();
    // True once after another start asked this copy to come to the front.
    bool TakeRaiseRequest() { return raiseRequested.exchange(false); }

private:
    void Listen();

    std::string address;
    int socketDescriptor = -1;
    int wakeDescriptors[2] = {-1, -1};
    std::thread listener;
    std::atomic<bool> raiseRequested{false};
};
