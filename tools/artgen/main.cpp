// Draws the game's pictures and synthesises its sounds into the assets folder.
//
//   dakru_artgen [ASSETS_DIR]                     write every picture, icon and sound
//   dakru_artgen --contact-sheet OUT [ASSETS_DIR] render the artwork into one review PNG
//
// ASSETS_DIR defaults to assets/ of the source tree. The output is deterministic
// (fixed seeds), so rerunning only changes files whose drawing code changed.

#include "contact_sheet.h"
#include "cover_art.h"
#include "cue.h"
#include "cue_sounds.h"
#include "dice_art.h"
#include "highscore_art.h"
#include "ico_file.h"
#include "icon_art.h"
#include "wav_file.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>

#include <cstdio>

namespace {

using namespace dakru::art;

constexpr int kJpegQuality = 95;

bool report(bool ok, const QString& path, const QString& why)
{
    if (!ok)
        std::fprintf(stderr, "dakru_artgen: cannot write %s: %s\n", qPrintable(path), qPrintable(why));
    return ok;
}

bool saveImage(const QImage& image, const QString& path)
{
    QImageWriter writer(path);
    if (path.endsWith(QLatin1String(".jpg"))) {
        writer.setQuality(kJpegQuality);
        writer.setOptimizedWrite(true);
    }
    return report(writer.write(image), path, writer.errorString());
}

bool saveBytes(const QByteArray& bytes, const QString& path)
{
    QSaveFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    return report(ok, path, file.errorString());
}

// Every picture twice: "<name>.jpg" for ordinary screens and "<name>@2x.jpg",
// drawn anew at double the size, for dense ones.
bool writePictures(const QDir& pictures)
{
    bool ok = true;
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QStringLiteral(".jpg") : QStringLiteral("@2x.jpg");
        const auto save = [&](const QImage& image, const QString& name) {
            ok &= saveImage(image, pictures.filePath(name + suffix));
        };
        save(diePicture(0, DieLook::Blank, scale), QStringLiteral("d"));
        for (int face = 1; face <= 6; ++face) {
            save(diePicture(face, DieLook::Released, scale), QStringLiteral("d%1").arg(face));
            save(diePicture(face, DieLook::Held, scale), QStringLiteral("d%1s").arg(face));
        }
        save(coverPicture(scale), QStringLiteral("Cover"));
        save(highScoreBackground(scale), QStringLiteral("HighScores"));
    }
    return ok;
}

bool writeIcons(const QDir& icons)
{
    bool ok = true;
    std::vector<QImage> inIco;
    for (const int size : kIconSizes) {
        const QImage icon = iconPicture(size);
        ok &= saveImage(icon, icons.filePath(QStringLiteral("dakru-%1.png").arg(size)));
        if (size <= kLargestIcoSize)
            inIco.push_back(icon);
    }
    return ok && saveBytes(icoFile(inIco), icons.filePath(QStringLiteral("dakru.ico")));
}

bool writeSounds(const QDir& sounds)
{
    bool ok = true;
    for (const dakru::Cue cue : dakru::kAllCues) {
        const auto name = dakru::cueFileName(cue);
        const QString path = sounds.filePath(QString::fromLatin1(name.data(), qsizetype(name.size())));
        ok &= saveBytes(wavFile(toPcm16(cueSound(cue)), kSampleRate), path);
    }
    return ok;
}

bool generate(const QString& assetsDir)
{
    QDir root(assetsDir);
    for (const char* folder : {"Pictures", "Sounds", "icons"}) {
        if (!root.mkpath(QLatin1String(folder))) {
            std::fprintf(stderr, "dakru_artgen: cannot create %s\n", qPrintable(root.filePath(QLatin1String(folder))));
            return false;
        }
    }
    // Non-short-circuit '&': one failing folder must not keep the others stale.
    const bool ok = writePictures(QDir(root.filePath(QStringLiteral("Pictures"))))
                    & writeIcons(QDir(root.filePath(QStringLiteral("icons"))))
                    & writeSounds(QDir(root.filePath(QStringLiteral("Sounds"))));
    if (ok)
        std::printf("Artwork written to %s\n", qPrintable(root.absolutePath()));
    return ok;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: dakru_artgen [ASSETS_DIR]\n"
                 "       dakru_artgen --contact-sheet OUT.png [ASSETS_DIR]\n");
    return 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    // Drawing needs fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = app.arguments().mid(1);
    const QString defaultDir = QStringLiteral(DAKRU_SOURCE_ASSETS_DIR);

    if (args.value(0) == QLatin1String("--contact-sheet")) {
        if (args.size() < 2 || args.size() > 3)
            return usage();
        QString error;
        const auto sheet = contactSheet(args.value(2, defaultDir), error);
        if (!sheet) {
            std::fprintf(stderr, "dakru_artgen: %s (generate the artwork first)\n", qPrintable(error));
            return 1;
        }
        return saveImage(*sheet, args[1]) ? 0 : 1;
    }
    if (args.size() > 1 || args.value(0).startsWith(QLatin1Char('-')))
        return usage();
    return generate(args.value(0, defaultDir)) ? 0 : 1;
}
