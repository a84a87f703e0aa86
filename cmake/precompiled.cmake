# SPDX-License-Identifier: GPL-3.0-or-later
# Precompiled headers: the Qt and standard headers that most files of a library include,
# parsed once per target rather than once per file. Each of the test command's three
# builds takes markedly less time for it.
set(panelwright_core_headers <QByteArray> <QString> <algorithm> <optional> <string>
    <string_view> <vector>)
set(panelwright_gui_headers ${panelwright_core_headers} <QColor> <QFont> <QImage> <QPainter>)
set(panelwright_widget_headers ${panelwright_gui_headers} <QComboBox> <QDialog> <QLabel>
    <QLayout> <QWidget>)
function(panelwright_precompile target kind)
    if(NOT PANELWRIGHT_NO_PCH)
        target_precompile_headers(${target} PRIVATE ${panelwright_${kind}_headers})
    endif()
endfunction()
