#include "ui/WarningField.h"

#include <QComboBox>

#include "domain/Translations.h"

namespace dunok {

WarningField::WarningField(QObject* parent) : QObject(parent) {
    pmWarn_ = new QComboBox;
    pmWarn_->setObjectName(QStringLiteral("pmWarn"));
    pmWarn_->setAccessibleName(tr("Minutes before the end to warn"));
    pmWarn_->addItem(tr("Off"), qint64(0));
    for (const qint64 minutes : warningChoices)
        pmWarn_->addItem(
            translateCount("WarningField", QT_TRANSLATE_N_NOOP("WarningField", "%Ln minute(s)"),
                           int(minutes)),
            minutes);
}

void WarningField::load(const Timer& timer) {
    pmWarn_->setCurrentIndex(std::max(pmWarn_->findData(timer.warnBefore), 0));
}

void WarningField::write(Timer& timer) const {
    timer.warnBefore = pmWarn_->currentData().toLongLong();
}

}  // namespace dunok
