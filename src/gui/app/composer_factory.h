#pragma once

#include <QWidget>
#include <memory>

#include "core/assembly/layout.h"
#include "gui/composer/composer_dlg.h"

namespace pw::gui {

// The composer dialog of a configuration. `handedCount` is what the main dialog hands it:
// the number of maps, or for Composite the number of rows.
std::unique_ptr<CComposerDlg> makeComposerDlg(Layout layout, int handedCount, int mapSetIndex,
                                              const DialogEnvironment& environment,
                                              QWidget* parent = nullptr);

}  // namespace pw::gui
