#include "support/FakeNotificationService.h"
