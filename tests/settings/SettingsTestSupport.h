#pragma once
// Field-by-field comparisons of the settings groups the data files keep.
#include "settings/AnnotationSettings.h"
#include "support/Folder.h"
#include "support/KindRaised.h"

#include <gtest/gtest.h>

namespace tagler::test {

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

} // namespace tagler::test
