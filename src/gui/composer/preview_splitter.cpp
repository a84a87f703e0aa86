// SPDX-License-Identifier: GPL-3.0-or-later
// The handle between a composer's slots and its preview.
#include "gui/composer/preview_splitter.h"

namespace pw::gui {

QSize PreviewSplitter::sizeHint() const {
    int handles = 0;
    for (int i = 1; i < count(); ++i) {  // the first handle is never shown
        if (!widget(i)->isHidden()) {
            handles += handleWidth();
        }
    }
    const QSize widgets = QSplitter::sizeHint();
    return orientation() == Qt::Horizontal ? widgets + QSize(handles, 0)
                                           : widgets + QSize(0, handles);
}

}  // namespace pw::gui
