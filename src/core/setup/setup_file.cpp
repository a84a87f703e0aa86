// SPDX-License-Identifier: GPL-3.0-or-later
// Setup files read from and written as JSON.
#include "core/setup/setup_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cmath>
#include <initializer_list>
#include <type_traits>

#include "core/assembly/layout_choices.h"
#include "core/common/messages.h"
#include "core/mapfile/direction.h"
#include "core/mapfile/keyword_choices.h"
#include "core/mapfile/map_set.h"
#include "core/mapfile/mark.h"
#include "core/output/safe_output.h"
#include "core/setup/duplicate_keys.h"
#include "core/system/regular_file.h"

namespace pw {
namespace {

namespace text = messages::setup;

// A setup is a handful of lines; anything far larger is no setup, and is not read whole.
constexpr qint64 kLargestSetup = 1 << 20;

// The keys of a setup file.
constexpr char kFormat[] = "format";
constexpr char kLayout[] = "layout";
constexpr char kMapSet[] = "mapSet";
constexpr char kDirection[] = "direction";
constexpr char kSlots[] = "slots";
constexpr char kOutput[] = "output";
constexpr char kPicture[] = "picture";
constexpr char kFile[] = "file";
constexpr char kMapSetFile[] = "mapSetFile";
constexpr char kMark[] = "mark";
// The picture's options.
constexpr char kFormatOption[] = "format";
constexpr char kShow[] = "show";
constexpr char kLabels[] = "labels";
constexpr char kFixUps[] = "fixUps";
constexpr char kSeamMarks[] = "seamMarks";
constexpr char kGrid[] = "grid";
constexpr char kScale[] = "scale";
constexpr char kDpi[] = "dpi";
constexpr char kPaper[] = "paper";
constexpr char kCellMm[] = "cellMm";

QString key(const char* name) {
    return QString::fromLatin1(name);
}

QString latin1(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The 1-based line and column (in characters) of a byte offset into UTF-8 text.
std::pair<int, int> lineAndColumn(const QByteArray& json, qsizetype offset) {
    const QByteArray before = json.left(offset);
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    const auto line = static_cast<int>(before.count('\n')) + 1;
    const auto column = static_cast<int>(QString::fromUtf8(before.mid(lineStart)).size()) + 1;
    return {line, column};
}

// Reads one JSON object of the setup; the first problem found stops every later read.
class ObjectReader {
  public:
    ObjectReader(const QJsonObject& object, std::string where, std::optional<std::string>& reason)
        : object_(object), where_(std::move(where)), reason_(reason) {}

    bool failed() const { return reason_.has_value(); }
    void fail(std::string what) {
        if (!reason_) {
            reason_ = std::move(what);
        }
    }

    // Refuses every key but these.
    void allowOnly(std::initializer_list<const char*> keys) {
        for (const QString& found : object_.keys()) {
            bool known = false;
            for (const char* name : keys) {
                known = known || found == key(name);
            }
            if (!known) {
                fail(text::unknownKey(where_, found.toStdString()));
            }
        }
    }

    // The string at `name`; nullopt when it is missing (a problem if `required`) or no string.
    std::optional<std::string> string(const char* name, bool required) {
        const QJsonValue value = object_.value(key(name));
        if (value.isUndefined()) {
            if (required) {
                fail(text::missing(where_, name));
            }
            return std::nullopt;
        }
        if (!value.isString()) {
            fail(text::wrongType(where_, name, text::kStringRule));
            return std::nullopt;
        }
        // Neither names a file: the system ends a name at a NUL, and a lone surrogate has
        // no UTF-8 and would be written as another character.
        const QString found = value.toString();
        if (found.contains(QChar(0))) {
            fail(text::nulCharacter(where_, name));
            return std::nullopt;
        }
        if (!found.isValidUtf16()) {
            fail(text::loneSurrogate(where_, name));
            return std::nullopt;
        }
        return found.toStdString();
    }

    // The whole number, number or truth value at `name`, when it is there and of that type.
    std::optional<int> wholeNumber(const char* name) {
        const std::optional<double> number = this->number(name);
        if (number && (*number != std::floor(*number) || std::abs(*number) > 1e9)) {
            fail(text::wrongType(where_, name, text::kWholeNumberRule));
            return std::nullopt;
        }
        return number ? std::optional(static_cast<int>(*number)) : std::nullopt;
    }
    std::optional<double> number(const char* name) {
        const QJsonValue value = object_.value(key(name));
        if (!value.isUndefined() && !value.isDouble()) {
            fail(text::wrongType(where_, name, text::kNumberRule));
        }
        return value.isDouble() ? std::optional(value.toDouble()) : std::nullopt;
    }
    std::optional<bool> truth(const char* name) {
        const QJsonValue value = object_.value(key(name));
        if (!value.isUndefined() && !value.isBool()) {
            fail(text::wrongType(where_, name, text::kTrueOrFalseRule));
        }
        return value.isBool() ? std::optional(value.toBool()) : std::nullopt;
    }

    // A path or file name: a string that is not empty.
    std::optional<std::string> path(const char* name, bool required) {
        std::optional<std::string> found = string(name, required);
        if (found && found->empty()) {
            fail(text::emptyPath(where_, name));
            return std::nullopt;
        }
        return found;
    }

  private:
    const QJsonObject& object_;
    std::string where_;
    std::optional<std::string>& reason_;  // the first found
};

std::optional<SetupSlot> readSlot(const QJsonValue& value, int slot,
                                  std::optional<std::string>& reason) {
    if (!value.isObject()) {
        reason = text::slotNotObject(slot);
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    ObjectReader in(object, text::slotPlace(slot + 1), reason);
    in.allowOnly({kFile, kMapSetFile, kMark});
    SetupSlot read;
    const std::optional<std::string> mark = in.string(kMark, true);
    if (mark) {
        if (const std::optional<std::optional<Mark>> known = markFromWord(*mark)) {
            read.mark = *known;
        } else {
            in.fail(text::badMark(slot, *mark));
        }
    }
    const std::optional<std::string> file = in.path(kFile, false);
    const std::optional<std::string> mapSetFile = in.path(kMapSetFile, false);
    if (file && mapSetFile) {
        in.fail(text::twoPanels(slot));
    } else if (file) {
        read = {PanelPlace::File, *file, read.mark};
    } else if (mapSetFile) {
        if (mapSetFile->find('/') != std::string::npos) {
            in.fail(text::notPlainName(slot));
        }
        read = {PanelPlace::MapSet, *mapSetFile, read.mark};
    }
    return in.failed() ? std::nullopt : std::optional(read);
}

// Why the format number refuses the file; nullopt when it may be read. It comes first: a
// newer file is refused before anything else is judged.
std::optional<std::string> formatRefusal(const QJsonObject& object) {
    const QJsonValue format = object.value(key(kFormat));
    if (format.isUndefined()) {
        return text::missing("", kFormat);
    }
    const double number = format.toDouble(0);
    if (!format.isDouble() || number < 1 || number != std::floor(number)) {
        return text::badFormat();
    }
    if (number > kSetupFormat) {
        return text::newerFormat(number > 1e9 ? 1000000000 : static_cast<int>(number),
                                 kSetupFormat);
    }
    return std::nullopt;
}

// The setup `object` holds; nullopt, and in `reason` the first thing wrong, when it holds
// none.
std::optional<Setup> readSetup(const QJsonObject& object, std::optional<std::string>& reason) {
    reason = formatRefusal(object);
    if (reason) {
        return std::nullopt;
    }
    ObjectReader in(object, "", reason);
    in.allowOnly({kFormat, kLayout, kMapSet, kDirection, kSlots, kOutput, kPicture});
    Setup setup;
    if (const std::optional<std::string> layout = in.string(kLayout, true)) {
        const std::optional<Layout> known = layoutFromName(*layout);
        if (known) {
            setup.layout = *known;
        } else {
            in.fail(text::unknownLayout(*layout, messages::layoutChoices()));
        }
    }
    if (const std::optional<std::string> mapSet = in.string(kMapSet, false)) {
        const std::optional<MapSet> known = mapSetFromName(*mapSet);
        if (known) {
            setup.mapSet = *known;
        } else {
            in.fail(text::unknownMapSet(*mapSet, messages::mapSetChoices()));
        }
    }
    if (const std::optional<std::string> direction = in.string(kDirection, false)) {
        const std::optional<Direction> known = directionFromName(*direction);
        if (known) {
            setup.direction = *known;
        } else {
            in.fail(text::unknownDirection(*direction, messages::directionChoices()));
        }
    }
    setup.output = in.path(kOutput, false).value_or("");
    const QJsonValue picture = object.value(key(kPicture));
    if (!picture.isUndefined() && !picture.isObject()) {
        in.fail(text::wrongType("", kPicture, text::kObjectRule));
    } else if (picture.isObject() && !in.failed()) {
        const QJsonObject pictureObject = picture.toObject();
        ObjectReader pictureIn(pictureObject, kPicture, reason);
        pictureIn.allowOnly({kFile, kFormatOption, kShow, kLabels, kFixUps, kSeamMarks, kGrid,
                             kScale, kDpi, kPaper, kCellMm});
        setup.picture = pictureIn.path(kFile, true).value_or("");
        SetupPictureOptions& options = setup.pictureOptions;
        options.format = pictureIn.string(kFormatOption, false);
        options.show = pictureIn.string(kShow, false);
        options.labels = pictureIn.string(kLabels, false);
        options.fixUps = pictureIn.truth(kFixUps);
        options.seamMarks = pictureIn.truth(kSeamMarks);
        options.grid = pictureIn.truth(kGrid);
        options.scale = pictureIn.wholeNumber(kScale);
        options.dpi = pictureIn.wholeNumber(kDpi);
        options.paper = pictureIn.string(kPaper, false);
        options.cellMm = pictureIn.number(kCellMm);
    }
    const QJsonValue slots = object.value(key(kSlots));
    if (slots.isUndefined()) {
        in.fail(text::missing("", kSlots));
    } else if (!slots.isArray()) {
        in.fail(text::wrongType("", kSlots, text::kListRule));
    }
    if (in.failed()) {
        return std::nullopt;
    }
    const QJsonArray list = slots.toArray();
    if (!shapeFor(setup.layout, static_cast<int>(list.size()))) {
        reason = text::slotCount(layoutName(setup.layout),
                                 messages::countChoices(countRange(setup.layout)),
                                 static_cast<int>(list.size()));
        return std::nullopt;
    }
    for (qsizetype i = 0; i < list.size(); ++i) {
        std::optional<SetupSlot> slot = readSlot(list.at(i), static_cast<int>(i), reason);
        if (!slot) {
            return std::nullopt;
        }
        setup.slots.push_back(std::move(*slot));
    }
    return setup;
}

// The picture's file and the options the setup gives.
QJsonObject pictureJson(const std::string& file, const SetupPictureOptions& options) {
    QJsonObject picture{{key(kFile), QString::fromStdString(file)}};
    const auto put = [&picture](const char* name, const auto& value) {
        if (value) {
            using Value = std::decay_t<decltype(*value)>;
            if constexpr (std::is_same_v<Value, std::string>) {
                picture.insert(key(name), QString::fromStdString(*value));
            } else {
                picture.insert(key(name), *value);
            }
        }
    };
    put(kFormatOption, options.format);
    put(kShow, options.show);
    put(kLabels, options.labels);
    put(kFixUps, options.fixUps);
    put(kSeamMarks, options.seamMarks);
    put(kGrid, options.grid);
    put(kScale, options.scale);
    put(kDpi, options.dpi);
    put(kPaper, options.paper);
    put(kCellMm, options.cellMm);
    return picture;
}

ReadSetup refused(const std::string& file, const std::string& what) {
    return {std::nullopt, Problem{messages::setupProblem(file, what)}};
}

}  // namespace

ReadSetup parseSetup(const QByteArray& json, const std::string& file) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        const auto [line, column] = lineAndColumn(json, error.offset);
        return refused(file, text::syntax(line, column, error.errorString().toStdString()));
    }
    if (!document.isObject()) {
        return refused(file, text::notAnObject());
    }
    if (const std::optional<DuplicateKey> twice = findDuplicateKey(json)) {
        return refused(file, text::keyTwice(twice->where, twice->key));
    }
    std::optional<std::string> reason;
    std::optional<Setup> setup = readSetup(document.object(), reason);
    if (!setup) {
        return refused(file, reason.value_or(std::string()));
    }
    return {std::move(setup), std::nullopt};
}

QByteArray setupJson(const Setup& setup) {
    QJsonArray slots;
    for (const SetupSlot& slot : setup.slots) {
        QJsonObject entry{{key(kMark), latin1(markWord(slot.mark))}};
        if (slot.place != PanelPlace::None) {
            entry.insert(key(slot.place == PanelPlace::File ? kFile : kMapSetFile),
                         QString::fromStdString(slot.panel));
        }
        slots.append(entry);
    }
    QJsonObject object{
        {key(kFormat), kSetupFormat},
        {key(kLayout), latin1(layoutName(setup.layout))},
        {key(kMapSet), QString::fromStdString(mapSetKeyword(setup.mapSet))},
        {key(kDirection), latin1(directionName(setup.direction))},
        {key(kSlots), slots},
    };
    if (!setup.output.empty()) {
        object.insert(key(kOutput), QString::fromStdString(setup.output));
    }
    if (!setup.picture.empty()) {
        object.insert(key(kPicture), pictureJson(setup.picture, setup.pictureOptions));
    }
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

ReadSetup readSetupFile(const std::string& path) {
    // Only a regular file is opened: a fifo or a device could block or never end.
    const OpenedFile opened = openRegularFile(path);
    if (opened.failure == OpenFailure::NotRegular) {
        return refused(path, text::notRegularFile());
    }
    if (!opened.file) {
        return refused(path, opened.reason);
    }
    const QByteArray json = opened.file->read(kLargestSetup + 1);
    if (json.size() > kLargestSetup) {
        return refused(path, text::tooLarge(kLargestSetup));
    }
    if (opened.file->error() != QFileDevice::NoError) {
        return refused(path, opened.file->errorString().toStdString());
    }
    return parseSetup(json, path);
}

std::optional<Problem> writeSetupFile(const std::string& path, const Setup& setup,
                                      const OutputOpener& openOutput) {
    const QByteArray json = setupJson(setup);
    const OpenedOutput output = openOutput(path);
    if (!output.file) {
        return Problem{messages::unableToCreate(path, output.errorString)};
    }
    if (!output.file->write(json.constData(), static_cast<std::size_t>(json.size())) ||
        !output.file->commit()) {
        return Problem{messages::unableToWrite(path, output.file->errorString())};
    }
    return std::nullopt;
}

}  // namespace pw
