#include "tray/tray_icon.h"

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <system_error>

#include "platform/text.h"
#include "tray/tray_events.h"

namespace {

constexpr UINT kIconId = 1;
// The first-version record's tip field; the shell reads no further.
constexpr std::size_t kTipBytes = 64;
constexpr std::chrono::seconds kAskAgainAfter{1};
// How long the quit waits for a shell call under way: a log-off is not kept
// waiting for a shell that takes seconds.
constexpr std::chrono::milliseconds kQuitWait{250};

}  // namespace

struct TrayIcon::Asking {
    explicit Asking(const NOTIFYICONDATAA& icon) : record(icon) {}

    NOTIFYICONDATAA record;
    std::mutex mutex;
    std::condition_variable changed;
    bool stop = false;       // the icon is no longer wanted
    bool abandoned = false;  // the quit did not wait for the call under way
    bool done = false;

    void Run(bool now) {
        std::unique_lock lock(mutex);
        for (bool first = true; !stop; first = false) {
            if (!(first && now) && changed.wait_for(lock, kAskAgainAfter, [&] { return stop; })) break;
            lock.unlock();
            // An add that timed out may still have landed, and a second add
            // of the same icon is refused for good.
            const bool taken = ::Shell_NotifyIconA(NIM_MODIFY, &record) || ::Shell_NotifyIconA(NIM_ADD, &record);
            lock.lock();
            if (abandoned) {  // the removal may have gone before the add landed
                lock.unlock();
                ::Shell_NotifyIconA(NIM_DELETE, &record);
                lock.lock();
                break;
            }
            if (taken) break;
        }
        done = true;
        changed.notify_all();
    }
};

TrayIcon::~TrayIcon() {
    if (wanted_) Delete();
}

void TrayIcon::RecordEvent(LPARAM callback) {
    events_.fill(false);
    if (const auto index = TrayEventIndex(callback)) events_[*index] = true;
}

NOTIFYICONDATAA TrayIcon::Record() const {
    // Every byte the shell reads is set, the gaps between fields included.
    NOTIFYICONDATAA data;
    std::memset(static_cast<void*>(&data), 0, sizeof data);
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner_;
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | (tip_.empty() ? 0 : NIF_TIP);
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = icon_;
    const std::string tip = AnsiPrefix(tip_, kTipBytes - 1);
    std::memset(data.szTip, ' ', kTipBytes);
    std::memcpy(data.szTip, tip.data(), tip.size());
    data.szTip[tip.size()] = '\0';
    return data;
}

bool TrayIcon::Add() {
    NOTIFYICONDATAA data = Record();
    wanted_ = true;
    const bool taken = ::Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
    if (!taken) AskInTheBackground(false);
    return taken;
}

void TrayIcon::AddAgain() {
    if (wanted_) AskInTheBackground(true);
}

void TrayIcon::AskInTheBackground(bool now) {
    if (asking_) {
        std::lock_guard lock(asking_->mutex);
        if (!asking_->done) return;  // asking already
    }
    if (asker_.joinable()) asker_.join();
    asking_ = std::make_shared<Asking>(Record());
    try {
        asker_ = std::thread([asking = asking_, now] { asking->Run(now); });
    } catch (const std::system_error&) {  // no thread to be had: the icon is not asked for again
        asking_.reset();
    }
}

void TrayIcon::StopAsking() {
    if (!asking_) return;
    std::unique_lock lock(asking_->mutex);
    asking_->stop = true;
    asking_->changed.notify_all();
    const bool done = asking_->changed.wait_for(lock, kQuitWait, [&] { return asking_->done; });
    asking_->abandoned = !done;
    lock.unlock();
    if (done) {
        asker_.join();
    } else {
        asker_.detach();  // it removes what its call added
    }
    asking_.reset();
}

bool TrayIcon::Modify() {
    NOTIFYICONDATAA data = Record();
    return wanted_ && ::Shell_NotifyIconA(NIM_MODIFY, &data);
}

bool TrayIcon::Delete() {
    if (!wanted_) return false;
    wanted_ = false;
    StopAsking();
    NOTIFYICONDATAA data = Record();
    return ::Shell_NotifyIconA(NIM_DELETE, &data);
}
