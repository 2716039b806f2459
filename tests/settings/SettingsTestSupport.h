#pragma once
#include "base/Error.h"
#include "base/LineFile.h"
#include "settings/AnnotationSettings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <unistd.h>
#include <vector>
#include <functional>
#include <optional>
#include <string>

namespace tagler::test {

inline std::string fixture(const std::string& name) { return std::string(TAGLER_TEST_DATA) + "/" + name; }

inline std::string fileBytes(const std::string& path)
{
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray all = f.readAll();
    return std::string(all.constData(), static_cast<std::size_t>(all.size()));
}

// The error kind the call raised, or nullopt when it returned.
inline std::optional<ErrorKind> kindRaisedBy(const std::function<void()>& call)
{
    try {
        call();
    } catch (const Error& e) {
        return e.kind();
    }
    return std::nullopt;
}

#define TAGLER_EXPECT_FIELD(a, b, field) EXPECT_EQ((a).field, (b).field) << #field

inline void expectSameSessionSettings(const AnnotationSettings& a, const AnnotationSettings& b)
{
    TAGLER_EXPECT_FIELD(a, b, tipSymbol);
    TAGLER_EXPECT_FIELD(a, b, lineType);
    TAGLER_EXPECT_FIELD(a, b, frameType);
    TAGLER_EXPECT_FIELD(a, b, attachPosition);
    TAGLER_EXPECT_FIELD(a, b, copyMode);
    TAGLER_EXPECT_FIELD(a, b, textType);
    TAGLER_EXPECT_FIELD(a, b, extensionLength);
    TAGLER_EXPECT_FIELD(a, b, extensionLengthMode);
    TAGLER_EXPECT_FIELD(a, b, textSlide);
    TAGLER_EXPECT_FIELD(a, b, selectedPattern);
    TAGLER_EXPECT_FIELD(a, b, useEmbeddedText);
    TAGLER_EXPECT_FIELD(a, b, imeStartMode);
    TAGLER_EXPECT_FIELD(a, b, fontSwitch);
    TAGLER_EXPECT_FIELD(a, b, fillColor);
    TAGLER_EXPECT_FIELD(a, b, fillColorIndex);
    TAGLER_EXPECT_FIELD(a, b, fillInside);
    TAGLER_EXPECT_FIELD(a, b, chosenFontName);
    TAGLER_EXPECT_FIELD(a, b, tiltFrame);
    TAGLER_EXPECT_FIELD(a, b, textCenterBase);
    TAGLER_EXPECT_FIELD(a, b, continuous);
    TAGLER_EXPECT_FIELD(a, b, fixedLeaderLength);
    TAGLER_EXPECT_FIELD(a, b, rememberedLeaderLength);
}

inline void expectSameBasicSettings(const AnnotationSettings& a, const AnnotationSettings& b)
{
    TAGLER_EXPECT_FIELD(a, b, arrowLength);
    TAGLER_EXPECT_FIELD(a, b, leaderColor);
    TAGLER_EXPECT_FIELD(a, b, lineSpacing);
    TAGLER_EXPECT_FIELD(a, b, arrowColor);
    TAGLER_EXPECT_FIELD(a, b, extensionColor);
    TAGLER_EXPECT_FIELD(a, b, fillGap);
    TAGLER_EXPECT_FIELD(a, b, frameGapVertical);
    TAGLER_EXPECT_FIELD(a, b, frameGapHorizontal);
    TAGLER_EXPECT_FIELD(a, b, dotColor);
    TAGLER_EXPECT_FIELD(a, b, frameColor);
    TAGLER_EXPECT_FIELD(a, b, writeGroup);
    TAGLER_EXPECT_FIELD(a, b, lineLayer);
    TAGLER_EXPECT_FIELD(a, b, textLayer);
    TAGLER_EXPECT_FIELD(a, b, arrowAngle);
    TAGLER_EXPECT_FIELD(a, b, windowColor);
    TAGLER_EXPECT_FIELD(a, b, windowColorIndex);
    TAGLER_EXPECT_FIELD(a, b, dotRadius);
    TAGLER_EXPECT_FIELD(a, b, detectionRange);
    TAGLER_EXPECT_FIELD(a, b, noFrameGap);
}

#undef TAGLER_EXPECT_FIELD

// Targets a save cannot replace, each with an old file in place where the
// file system allows one. Root ignores folder permissions, so a name too long
// for the atomic writer's temporary copy stands in for the read-only folder.
struct UnwritableTarget {
    const char* what;
    std::string path;
    bool hasOldFile;
};

inline std::vector<UnwritableTarget> unwritableTargets(const QString& folder, const Lines& oldLines)
{
    std::vector<UnwritableTarget> targets;
    const std::string base = folder.toStdString();

    writeLines(base + "/plain", {"not a folder"});
    targets.push_back({"parent is a file", base + "/plain/data.tx", false});

    QDir(folder).mkdir("long");
    const std::string longPath = base + "/long/" + std::string(250, 'P');
    writeLines(longPath, oldLines);
    targets.push_back({"no room for the temporary copy", longPath, true});

    if (::geteuid() != 0) {
        QDir(folder).mkdir("readonly");
        const std::string roPath = base + "/readonly/data.tx";
        writeLines(roPath, oldLines);
        QFile::setPermissions(QString::fromStdString(base + "/readonly"),
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        targets.push_back({"read-only folder", roPath, true});
    }
    return targets;
}

// So the temporary folder can be removed after a read-only case.
inline void makeWritableAgain(const QString& folder)
{
    QFile::setPermissions(folder + "/readonly",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace tagler::test
