// A call made once, at the next turn of the event loop, however many times it
// was asked for in this one: many changes in a row are answered with one
// piece of work that sees them all.
#pragma once

#include <QObject>
#include <functional>

namespace dunok {

class CoalescedCall {
public:
    // The call runs only while `context`, which owns this object, lives.
    CoalescedCall(QObject* context, std::function<void()> call)
        : context_(context), call_(std::move(call)) {}
    CoalescedCall(const CoalescedCall&) = delete;
    CoalescedCall& operator=(const CoalescedCall&) = delete;

    void ask();

private:
    QObject* context_;
    std::function<void()> call_;
    bool pending_ = false;
};

}  // namespace dunok
