#include "settings/SettingsFields.h"

#include "SettingsTestSupport.h"
#include "settings/BasicSettingsPattern.h"
#include "settings/PersistentState.h"
#include "settings/QuickSelectSlot.h"
#include "settings/SettingsFieldListing.h"

#include <climits>
#include <sstream>
#include <type_traits>

namespace tagler {
namespace {

using test::fixture;
using test::kindRaisedBy;

std::string valueText(const SettingsField& f, const AnnotationSettings& s)
{
    return std::visit(
        [&](auto member) {
            const auto& value = s.*member;
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>)
                return value;
            else
                return std::to_string(value);
        },
        f.member);
}

void setRaw(const SettingsField& f, AnnotationSettings& s, int value)
{
    s.*std::get<int AnnotationSettings::*>(f.member) = value;
}

// Both ends of a number's range, both states of a flag, a sample for text; as --set takes them.
std::vector<std::string> endsOf(const SettingsField& f)
{
    if (f.range)
        return {std::to_string(f.range->min), std::to_string(f.range->max)};
    if (std::holds_alternative<bool AnnotationSettings::*>(f.member))
        return {"0", "1"};
    return {f.form == StoredForm::decimalText ? "1234.56789" : "ＩＰＡ明朝"};
}

// Registered and saved on exit as a session does, read back at start; every
// pattern registered and selected.
void expectSurvivesTheFiles(const AnnotationSettings& in)
{
    const AnnotationSettings defaults;
    Lines state = readLines(fixture("pl_full.tx"));
    SessionExtras extras;
    AnnotationSettings registered = in; // registering forgets the remembered length
    storeSessionSettings(state, registered, extras);
    ASSERT_TRUE(storeExitState(state, in, extras));
    AnnotationSettings fromState;
    applyPersistentState(state, fromState, extras);
    test::expectSameSessionSettings(fromState, in);
    test::expectSameBasicSettings(fromState, defaults);

    // A slot keeps whether the IME toggle is down, not its mode; the rest whole.
    AnnotationSettings fromSlot;
    applySlotLines(slotLines(in, 1), fromSlot);
    for (const SettingsField& f : settingsFields()) {
        SCOPED_TRACE(std::string("slot: ") + f.name);
        if (!f.slotLine)
            EXPECT_EQ(valueText(f, fromSlot), valueText(f, defaults));
        else if (f.member == FieldMember(&AnnotationSettings::imeStartMode))
            EXPECT_EQ(fromSlot.imeStartMode > 0, in.imeStartMode > 0);
        else
            EXPECT_EQ(valueText(f, fromSlot), valueText(f, in));
    }

    for (int pattern = 0; pattern < kPatternCount; ++pattern) {
        SCOPED_TRACE(testing::Message() << "pattern " << pattern);
        Lines patterns = readLines(fixture("pk_valid.tx"));
        PatternNames names = defaultPatternNames();
        storeBasicSettingsPattern(patterns, pattern, in, names, "");
        AnnotationSettings fromPattern;
        applyBasicSettingsPattern(patterns, pattern, fromPattern, false, names);
        test::expectSameBasicSettings(fromPattern, in);
        test::expectSameSessionSettings(fromPattern, defaults);
    }
}

// A value outside the range never reaches a file, and never comes back from one.
void expectRefusedOutsideTheRange(const SettingsField& f, int value)
{
    const AnnotationSettings defaults;
    const std::string text = std::to_string(value);
    AnnotationSettings set;
    EXPECT_EQ(setSettingsField(set, f.name, text), "bad value '" + text + "' for " + f.name + " (" +
                                                       std::to_string(f.range->min) + ".." +
                                                       std::to_string(f.range->max) + ")");
    EXPECT_EQ(valueText(f, set), valueText(f, defaults));

    AnnotationSettings bad;
    setRaw(f, bad, value);
    if (f.stateLine) {
        const Lines before = readLines(fixture("pl_full.tx"));
        Lines registered = before;
        Lines exited = before;
        AnnotationSettings copy = bad;
        const auto registering = kindRaisedBy([&] { storeSessionSettings(registered, copy, SessionExtras{}); });
        const auto exiting = kindRaisedBy([&] { storeExitState(exited, bad, SessionExtras{}); });
        EXPECT_TRUE(registering || exiting) << "stored as if it were in range";
        for (const auto& [kind, list] : {std::pair{registering, &registered}, std::pair{exiting, &exited}})
            if (kind) {
                EXPECT_EQ(kind, ErrorKind::Range);
                EXPECT_EQ(*list, before);
            }

        Lines stored = before;
        stored[*f.stateLine] = text;
        AnnotationSettings loaded;
        SessionExtras extras;
        const auto reading = kindRaisedBy([&] { applyPersistentState(stored, loaded, extras); });
        if (reading) {
            EXPECT_TRUE(reading == ErrorKind::Range || reading == ErrorKind::Conversion);
            EXPECT_EQ(valueText(f, loaded), valueText(f, defaults));
        } else {
            const int read = std::stoi(valueText(f, loaded));
            EXPECT_TRUE(read >= f.range->min && read <= f.range->max) << "read as " << read;
        }
    }
    if (f.slotLine) {
        EXPECT_EQ(kindRaisedBy([&] { slotLines(bad, 1); }), ErrorKind::Range);
        Lines stored = slotLines(defaults, 1);
        stored[*f.slotLine] = text;
        AnnotationSettings loaded;
        const auto reading = kindRaisedBy([&] { applySlotLines(stored, loaded); });
        if (reading) {
            EXPECT_TRUE(reading == ErrorKind::Range || reading == ErrorKind::Conversion);
            EXPECT_EQ(valueText(f, loaded), valueText(f, defaults));
        } else {
            const int read = std::stoi(valueText(f, loaded));
            EXPECT_TRUE(read >= f.range->min && read <= f.range->max) << "read as " << read;
        }
    }
    if (f.patternOffset) {
        const Lines before = readLines(fixture("pk_valid.tx"));
        Lines patterns = before;
        PatternNames names = defaultPatternNames();
        EXPECT_EQ(kindRaisedBy([&] { storeBasicSettingsPattern(patterns, 1, bad, names, "x"); }), ErrorKind::Range);
        EXPECT_EQ(patterns, before);
        EXPECT_EQ(names, defaultPatternNames());

        Lines stored = before;
        stored[kPatternBlockLines + *f.patternOffset] = text;
        AnnotationSettings loaded;
        const auto reading = kindRaisedBy([&] { applyBasicSettingsPattern(stored, 1, loaded, false, names); });
        if (reading) {
            EXPECT_TRUE(reading == ErrorKind::Range || reading == ErrorKind::Conversion);
            EXPECT_EQ(valueText(f, loaded), valueText(f, defaults));
        } else {
            const int read = std::stoi(valueText(f, loaded));
            EXPECT_TRUE(read >= f.range->min && read <= f.range->max) << "read as " << read;
        }
    }
}

TEST(SettingsFields, EveryFieldSurvivesTheFilesAndRefusesWhatNoControlShows)
{
    const AnnotationSettings defaults;
    AnnotationSettings allLow;
    AnnotationSettings allHigh;
    for (const SettingsField& f : settingsFields()) {
        SCOPED_TRACE(f.name);
        if (f.range) {
            const int byDefault = std::stoi(valueText(f, defaults));
            EXPECT_TRUE(byDefault >= f.range->min && byDefault <= f.range->max) << "default " << byDefault;
        }

        const std::vector<std::string> ends = endsOf(f);
        int nonDefault = 0;
        for (const std::string& end : ends) {
            SCOPED_TRACE(end);
            AnnotationSettings in;
            ASSERT_EQ(setSettingsField(in, f.name, end), std::nullopt);
            if (valueText(f, in) == valueText(f, defaults))
                continue; // a default would come back even from a line never written
            ++nonDefault;
            expectSurvivesTheFiles(in);
        }
        EXPECT_GT(nonDefault, 0);
        setSettingsField(allLow, f.name, ends.front());
        setSettingsField(allHigh, f.name, ends.back());

        if (f.range && f.range->min > INT_MIN)
            expectRefusedOutsideTheRange(f, f.range->min - 1);
        if (f.range && f.range->max < INT_MAX)
            expectRefusedOutsideTheRange(f, f.range->max + 1);
        if (std::holds_alternative<bool AnnotationSettings::*>(f.member)) {
            AnnotationSettings s;
            EXPECT_EQ(setSettingsField(s, f.name, "2"), "bad value '2' for " + std::string(f.name) + " (0 or 1)");
        }
    }
    // Fields that share a line or read each other's: the fill index and its sign, the window colour and its index.
    {
        SCOPED_TRACE("every field at its low end");
        expectSurvivesTheFiles(allLow);
    }
    {
        SCOPED_TRACE("every field at its high end");
        expectSurvivesTheFiles(allHigh);
    }
}

// Scripts read the table from tagler-batch --list-fields: every field in order, and its
// default, given back through --set, is the record's own.
TEST(SettingsFields, TheListingGivesEveryFieldInOrderWithItsDefault)
{
    const AnnotationSettings defaults;
    std::istringstream listing(settingsFieldListing());
    std::string line;
    for (const SettingsField& f : settingsFields()) {
        SCOPED_TRACE(f.name);
        ASSERT_TRUE(std::getline(listing, line));
        std::vector<std::string> columns(1);
        for (char c : line) {
            if (c == '\t')
                columns.emplace_back();
            else
                columns.back().push_back(c);
        }
        ASSERT_EQ(columns.size(), 5u) << line;
        EXPECT_EQ(columns[0], f.name);
        if (f.range) {
            EXPECT_EQ(columns[1], "number");
            EXPECT_EQ(columns[2], std::to_string(f.range->min));
            EXPECT_EQ(columns[3], std::to_string(f.range->max));
        } else {
            EXPECT_EQ(columns[1], std::holds_alternative<bool AnnotationSettings::*>(f.member) ? "flag" : "text");
        }
        // From whichever end of the field is not its default, back to the default.
        const std::vector<std::string> ends = endsOf(f);
        AnnotationSettings s;
        ASSERT_EQ(setSettingsField(s, f.name, ends.back()), std::nullopt);
        if (valueText(f, s) == valueText(f, defaults)) {
            ASSERT_EQ(setSettingsField(s, f.name, ends.front()), std::nullopt);
        }
        ASSERT_NE(valueText(f, s), valueText(f, defaults));
        ASSERT_EQ(setSettingsField(s, f.name, columns[4]), std::nullopt) << line;
        EXPECT_EQ(valueText(f, s), valueText(f, defaults)) << line;
    }
    EXPECT_FALSE(std::getline(listing, line)) << "a line the table does not have: " << line;
}

} // namespace
} // namespace tagler
