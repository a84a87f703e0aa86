// SPDX-License-Identifier: GPL-3.0-or-later
// The installed translations taken away for a while, and given back in their order.
#include "core/common/source_texts.h"

#include <QCoreApplication>
#include <QTranslator>

namespace pw {

SourceTexts::SourceTexts() {
    // installTranslations() makes its translators children of the application.
    if (QCoreApplication* app = QCoreApplication::instance()) {
        removed_ = app->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly);
    }
    for (QTranslator* translator : removed_) {
        QCoreApplication::removeTranslator(translator);
    }
}

SourceTexts::~SourceTexts() {
    for (QTranslator* translator : removed_) {
        QCoreApplication::installTranslator(translator);
    }
}

}  // namespace pw
