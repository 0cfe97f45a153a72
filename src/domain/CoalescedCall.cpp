#include "domain/CoalescedCall.h"

#include <QTimer>

namespace dunok {

void CoalescedCall::ask() {
    if (pending_) return;
    pending_ = true;
    QTimer::singleShot(0, context_, [this] {
        pending_ = false;
        call_();
    });
}

}  // namespace dunok
