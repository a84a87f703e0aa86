// SPDX-License-Identifier: GPL-3.0-or-later
// Texts given in the English they are written in, whatever language is installed.
#pragma once

#include <QList>

class QTranslator;

namespace pw {

// While it lives, every text is given in the English it is written in: for the fields of
// tab-separated lines (`list`, `check`), which scripts read and which never change with the
// locale. The translations installed before are installed again, in their order, after it.
class SourceTexts {
  public:
    SourceTexts();
    ~SourceTexts();
    SourceTexts(const SourceTexts&) = delete;
    SourceTexts& operator=(const SourceTexts&) = delete;

  private:
    QList<QTranslator*> removed_;
};

}  // namespace pw
