// The settings dialog reads five hand-editable files when it opens: whatever
// bytes they hold, it must open and show values its widgets can hold, and
// exactly one box for each unreadable choice.
//
// Input: the five files' contents separated by the byte 0x1E, in the order
// language, stored audio, stored-audio choice, volume, tooltips. A file past
// the last part is absent.
#include "settings/settings.h"
#include "settings/settingsfiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

const std::array<QString, 5> &files()
{
    static const std::array<QString, 5> paths = {
        settingsfiles::kLanguage, settingsfiles::kStoredAudio, settingsfiles::kStoredAudioChoice,
        settingsfiles::kVolume, settingsfiles::kTooltips};
    return paths;
}

void fail(const char *expression, int line)
{
    std::fprintf(stderr, "check failed at line %d: %s\n", line, expression);
    std::abort();
}

#define check(condition) ((condition) ? void() : fail(#condition, __LINE__))

template <typename T> T *child(const QWidget &parent, const char *name)
{
    T *found = parent.findChild<T *>(QLatin1String(name));
    if (!found)
        fail(name, __LINE__);
    return found;
}

// The boxes the dialog must raise, read through the same files it reads.
int expectedBoxes()
{
    using namespace settingsfiles;
    int boxes = 0;
    if (const auto line = readFirstLine(kLanguage))
        boxes += toInt(*line) != 1 && toInt(*line) != 2;
    if (const auto choice = readInt(kStoredAudioChoice))
        boxes += *choice != 0 && *choice != 1;
    if (const auto line = readFirstLine(kTooltips))
        boxes += toInt(*line) != 0 && toInt(*line) != 1;
    return boxes;
}

// The dialog reads paths relative to the working folder, which becomes a
// temporary one; corpus folders and artifact paths given relative to the old
// one are made absolute before libFuzzer reads its arguments.
void absoluteArguments(int *argc, char ***argv)
{
    static std::vector<QByteArray> texts;
    static std::vector<char *> pointers;
    const QDir here = QDir::current();
    for (int i = 0; i < *argc; ++i) {
        QByteArray arg((*argv)[i]);
        const int equals = arg.indexOf('=');
        const bool pathFlag = arg.startsWith("-artifact_prefix=") ||
                              arg.startsWith("-exact_artifact_path=") || arg.startsWith("-dict=");
        if (i > 0 && !arg.startsWith('-'))
            arg = QFile::encodeName(here.absoluteFilePath(QFile::decodeName(arg)));
        else if (pathFlag)
            arg = arg.left(equals + 1) +
                  QFile::encodeName(here.absoluteFilePath(QFile::decodeName(arg.mid(equals + 1))));
        texts.push_back(arg);
    }
    for (QByteArray &text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    *argv = pointers.data();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    absoluteArguments(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform warns once per box shown; the log stays readable without it.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    static int appArgc = 1;
    static char name[] = "fuzz_settings_dialog";
    static char *appArgv[] = {name, nullptr};
    // Kept until exit: libFuzzer ends the process without returning here.
    static QApplication *app = new QApplication(appArgc, appArgv);
    static QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    QDir().mkpath(QStringLiteral("data/settings"));
    return app ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const QList<QByteArray> parts = input.split('\x1e');
    for (std::size_t i = 0; i < files().size(); ++i) {
        QFile::remove(files()[i]);
        if (int(i) >= parts.size())
            continue;
        QFile file(files()[i]);
        if (!file.open(QIODevice::WriteOnly))
            fail("cannot write a settings file", __LINE__);
        file.write(parts[int(i)]);
    }

    int boxes = 0;
    QTimer closer;
    closer.setInterval(0);
    QObject::connect(&closer, &QTimer::timeout, [&boxes] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        check(box->icon() == QMessageBox::Critical);
        ++boxes;
        const auto buttons = box->buttons();
        if (buttons.isEmpty())
            box->done(0);
        else
            buttons.first()->click();
    });
    closer.start();
    std::optional<Settings> dialog(std::in_place);
    closer.stop();

    using namespace settingsfiles;
    check(boxes == expectedBoxes());

    const auto *language = child<QComboBox>(*dialog, "cbLanguage");
    check(language->count() == 2);
    check(language->currentIndex() == 0 || language->currentIndex() == 1);
    const auto languageLine = readFirstLine(kLanguage);
    const int languageCode = languageLine ? toInt(*languageLine) : 0;
    check(language->currentIndex() == (languageCode == 2 ? 1 : 0));

    const auto *slider = child<QSlider>(*dialog, "horizontalSlider");
    check(slider->minimum() == 0 && slider->maximum() == 100);
    check(slider->value() >= 0 && slider->value() <= 100);
    const auto *volumeLabel = child<QLabel>(*dialog, "label");
    if (const auto word = readFirstWord(kVolume)) {
        check(slider->value() == std::clamp(toInt(*word), 0, 100));
        check(volumeLabel->text() == *word);
    } else {
        check(slider->value() == 0);
    }

    const auto *path = child<QLineEdit>(*dialog, "tbStoredAudio");
    const auto choice = readInt(kStoredAudioChoice);
    if (choice && *choice == 0) {
        check(path->text().isEmpty());
        check(child<QRadioButton>(*dialog, "rbtnNoneAudio")->isChecked());
    } else if (const auto line = readFirstLine(kStoredAudio)) {
        // A line edit cuts text beyond its maximum length.
        check(line->left(path->text().size()) == path->text());
    }
    if (choice && *choice == 1)
        check(child<QRadioButton>(*dialog, "rbtnStoreAudio")->isChecked());

    const auto tooltipsLine = readFirstLine(kTooltips);
    check(child<QAbstractButton>(*dialog, "cbTooltips")->isChecked() ==
          (tooltipsLine && toInt(*tooltipsLine) == 1));

    dialog.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
