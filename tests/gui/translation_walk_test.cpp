// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs in German and French on a screen of 1280 by 720: every text a person reads or
// a screen reader speaks differs from the English one unless it is a name, a number or a
// keyword, no text is cut off and no two controls overlap. PANELWRIGHT_WRITE_PICTURES=1
// writes the main dialog and the Composite composer of each language to the working folder.

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>
#include <QTranslator>

#include "core/common/languages.h"
#include "gui/app/panelwright_dialog.h"
#include "gui/common/qt_user_prompts.h"
#include "gui_test_bed.h"

namespace pw::gui::test {
namespace {

// The texts of the windows walked, each keyed by where it stands, and what is wrong.
struct Walk {
    std::map<QString, QString> texts;
    QStringList faults;
};

// Where an object stands: each parent's name (or class) with its place among its siblings.
QString placeOf(const QObject* object) {
    QString place;
    for (; object != nullptr; object = object->parent()) {
        const QString name = object->objectName().isEmpty()
                                 ? QString::fromLatin1(object->metaObject()->className())
                                 : object->objectName();
        const qsizetype index = object->parent() ? object->parent()->children().indexOf(object) : 0;
        place.prepend(QStringLiteral("/%1#%2").arg(name).arg(index));
    }
    return place;
}

void addActions(Walk& walk, const QString& at, const QList<QAction*>& actions) {
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const QString key = QStringLiteral("%1 action %2").arg(at).arg(i);
        walk.texts[key] = actions[i]->text();
        walk.texts[key + " tip"] = actions[i]->toolTip();
        if (QMenu* menu = actions[i]->menu()) {
            addActions(walk, key, menu->actions());
        }
    }
}

// A text wider than its widget (or elided), for a label, a button or a group's title. A
// line that is shortened by design says all in its tooltip.
bool cutOff(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->text().contains(QChar(0x2026))) {
            return label->toolTip().isEmpty();
        }
        return (label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                                  : label->width() < label->minimumSizeHint().width());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return !button->text().isEmpty() && button->width() < button->sizeHint().width();
    }
    const auto* group = qobject_cast<const QGroupBox*>(&widget);
    return group != nullptr && group->width() < group->minimumSizeHint().width();
}

// Every visible widget of `window` and of the windows (message boxes) it shows meanwhile.
void walkWindow(Walk& walk, QWidget& window) {
    walk.texts[placeOf(&window) + " title"] = window.windowTitle();
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : widgets) {
        if (!widget->isVisible() || (widget->isWindow() && widget != &window)) {
            continue;
        }
        const QString at = placeOf(widget);
        walk.texts[at + " tip"] = widget->toolTip();
        walk.texts[at + " name"] = widget->accessibleName();
        walk.texts[at + " description"] = widget->accessibleDescription();
        addActions(walk, at, widget->actions());
        if (const auto* label = qobject_cast<QLabel*>(widget)) {
            walk.texts[at] = label->text();
        } else if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
            walk.texts[at] = button->text();
        } else if (const auto* group = qobject_cast<QGroupBox*>(widget)) {
            walk.texts[at] = group->title();
        } else if (const auto* edit = qobject_cast<QLineEdit*>(widget)) {
            walk.texts[at] = edit->placeholderText();
        } else if (const auto* list = qobject_cast<QComboBox*>(widget)) {
            for (int item = 0; item < list->count(); ++item) {
                walk.texts[at + " item " + QString::number(item)] = list->itemText(item);
                walk.texts[at + " item tip " + QString::number(item)] =
                    list->itemData(item, Qt::ToolTipRole).toString();
            }
        }
        if (cutOff(*widget)) {
            walk.faults.append("cut off: " + at);
        }
        const QObjectList siblings =
            widget->parent() ? widget->parent()->children() : QObjectList();
        for (qsizetype i = siblings.indexOf(widget) + 1; i > 0 && i < siblings.size(); ++i) {
            const auto* other = qobject_cast<const QWidget*>(siblings[i]);
            if (other != nullptr && other->isVisible() && !other->isWindow() &&
                other->geometry().intersects(widget->geometry())) {
                walk.faults.append("overlapping: " + at + " and " + placeOf(other));
            }
        }
    }
}

// Message boxes are walked and answered as they come up.
struct WalkPrompts : QtUserPrompts {
    std::optional<QString> askSavePath(QWidget*, const QString&, const QString&) override {
        return savePath;
    }
    QString savePath;
};

// The main dialog, each composer maximised, the error box of a Save Map without panels
// and the message box of one with them, in the language installed now.
Walk walkDialogs(const QString& language) {
    Walk walk;
    GuiTestBed bed;
    bed.addMap(MapSet::Ironfall, QStringLiteral("AB-01L.map"), '.');
    bed.addMap(MapSet::Ironfall, QStringLiteral("AB-02R.map"), '.');
    WalkPrompts prompts;
    prompts.savePath = bed.dir.filePath(QStringLiteral("joined.map"));
    DialogEnvironment environment = bed.environment;
    environment.prompts = &prompts;
    QTimer boxes;
    QObject::connect(&boxes, &QTimer::timeout, [&walk] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            walkWindow(walk, *box);
            box->done(0);
        }
    });
    boxes.start(20);
    const bool pictures = qEnvironmentVariableIsSet("PANELWRIGHT_WRITE_PICTURES");
    PanelwrightDialog mainDialog(environment);
    mainDialog.show();
    walkWindow(walk, mainDialog);
    if (pictures) {
        mainDialog.grab().save(QStringLiteral("main-dialog-%1.png").arg(language));
    }
    for (const auto& [layout, count] :
         {std::pair(Layout::TopToBottom, 2), {Layout::EndToEnd, 2}, {Layout::Composite, 4}}) {
        ComposerDialog composer(layout, count, MapSet::Ironfall, environment);
        composer.showMaximized();
        waitForPictures(composer);
        walkWindow(walk, composer);
        if (pictures && layout == Layout::Composite) {
            composer.grab().save(QStringLiteral("composite-%1.png").arg(language));
        }
        control<QAbstractButton>(composer, "saveMapButton").click();
        if (layout == Layout::TopToBottom) {
            choose(composer, 1, QStringLiteral("AB-01L.map"));
            choose(composer, 2, QStringLiteral("AB-02R.map"));
            control<QAbstractButton>(composer, "saveMapButton").click();
        }
    }
    return walk;
}

// Texts that stay in every language: names, numbers, keywords, and words the language
// shares with English.
bool staysTheSame(QString text, const QString& language) {
    text.remove(u'&');
    text = text.trimmed();
    static const QRegularExpression bare(QStringLiteral(R"(^[\d\s.,:;()%+\-xXY#/=<>*^]*$)"));
    static const QStringList kept =
        QStringLiteral("Boardsmith Panelwright Ironfall Emberline OK N NE E SE S SW W NW L R")
            .split(u' ')
        << QCoreApplication::applicationName();
    return bare.match(text).hasMatch() || text.contains(QStringLiteral(".map")) ||
           text.contains(QStringLiteral(".pwsetup")) || kept.contains(text) ||
           (language == u"fr" && (text == u"Composite" || text == u"Composition"));
}

class TranslationWalk : public testing::TestWithParam<const char*> {};

TEST_P(TranslationWalk, EveryTextTranslatedNoneCutOffNoneOverlapping) {
    const QString language = QString::fromLatin1(GetParam());
    const Walk english = walkDialogs(QStringLiteral("en"));
    auto& app = *QCoreApplication::instance();
    const QList<QTranslator*> before = app.findChildren<QTranslator*>();
    pw::installTranslations(app, {language});
    QList<QTranslator*> installed = app.findChildren<QTranslator*>();
    installed.removeIf([&before](QTranslator* each) { return before.contains(each); });
    const Walk translated = walkDialogs(language);
    for (QTranslator* translator : installed) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    ASSERT_FALSE(installed.isEmpty()) << "no translation built in for " << GetParam();
    QStringList untranslated;
    for (const auto& [at, text] : translated.texts) {
        const auto inEnglish = english.texts.find(at);
        if (!text.isEmpty() && inEnglish != english.texts.end() && inEnglish->second == text &&
            !staysTheSame(text, language)) {
            untranslated.append(text + "    (" + at + ")");
        }
    }
    untranslated.removeDuplicates();
    EXPECT_EQ(untranslated.join(u'\n'), QString());
    EXPECT_EQ(translated.faults.join(u'\n'), QString());
    EXPECT_EQ(english.faults.join(u'\n'), QString());
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationWalk, testing::Values("de", "fr"));

}  // namespace
}  // namespace pw::gui::test
