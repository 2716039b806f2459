#pragma once
#include "settings/AnnotationSettings.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <variant>

// Every field of AnnotationSettings, declared once: its name, its range and
// where and how the data files keep it. The loaders, the savers, --set and the
// window's spin boxes all read this table, so adding a setting is one row.
// Defaults are the struct's own initialisers.
namespace tagler {

// How a value is written on its line, quirks of the older files included.
enum class StoredForm {
    index,             // an item index; outside the range is refused on reading
    spinValue,         // a spin edit's number; outside the range is pulled to the nearest limit
    flag,              // "1" on, any other text off
    numberFlag,        // an integer, 1 on; text that is no integer is refused
    nonZeroFlag,       // anything but "0" on
    colour,            // a platform colour integer
    imeMode,           // an index, where any number below the range is the first mode
    fillIndex,         // ±(index + 1), negative when filled inside; 0 from a box without a selection
    fillSign,          // the sign of the fill index's line, which writes it
    windowColourIndex, // an index, ignored for money green while the custom colour line is "0"
    twoDigits,         // the x1 and x0.1 lists' indexes written together, first and last character read
    continuousSlot,    // 0 off, a slot number, or any other text on without a slot (the range's last value)
    fontName,          // one line of text; "", "0" and "000" are no font chosen
    decimalText,       // a decimal number on one line, kept as typed
};

struct FieldRange {
    int min;
    int max;
};

// int32 colours are ints on every platform we build for; the colour forms tell them apart.
using FieldMember =
    std::variant<int AnnotationSettings::*, bool AnnotationSettings::*, std::string AnnotationSettings::*>;
using FileLine = std::optional<std::size_t>;

struct SettingsField {
    const char* name; // as tagler-batch --set takes it
    FieldMember member;
    std::optional<FieldRange> range; // number fields only
    FileLine stateLine;              // PLDATA.tx line
    FileLine patternOffset;          // line within a PKDATA.tx pattern block
    FileLine slotLine;               // line of a PSDATA1..10.tx quick-select slot; none kept there yet
    StoredForm form;
    const char* fileLabel = nullptr; // what the files' errors call it, when not its name
};

// Which file's line a loader or saver asks for.
using FileColumn = FileLine SettingsField::*;

std::span<const SettingsField> settingsFields();
const SettingsField* findSettingsField(std::string_view name);
const SettingsField& settingsField(FieldMember member); // the member must have a row
FieldRange fieldRange(int AnnotationSettings::*member); // the member must have a range

// Reads the field from a file's lines (a whole file or one pattern block)
// into s: conversion error for text that is no number, range error for a
// value no control can show.
void readStoredField(const SettingsField& f, std::span<const std::string> lines, FileColumn column,
                     AnnotationSettings& s);

// The field's line as the files keep it, or nullopt when another field's
// line carries it. A value that would not load again is a range error, a
// line break in text a conversion error.
std::optional<std::string> storedFieldLine(const SettingsField& f, const AnnotationSettings& s);

} // namespace tagler
