#pragma once

#include "casebook/case_book.h"
#include "cli/command.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>

// What the subcommands of `zandrel journal` share: the case book they open, how they tell its
// problems and bad input, and how a record's moment and hexagrams are shown.

namespace zandrel {

struct Journal {
    const CommandRun& run;
    std::string* error;

    const Vocabulary& Words() const { return run.words; }

    // The case book, or none after its problem was told; `make` makes a missing one, else a
    // missing one is told as empty by *missing. A book opened only to `read` is read even where
    // it cannot be written (a read-only folder, a full disk).
    std::unique_ptr<CaseBook> Open(bool make, bool* missing, int* status, bool read = false) const;

    // Tells what is wrong with the case book; returns the exit status.
    int Failed(const CaseBookError& failure) const;
    // Bad input: `text` is the one line; returns the exit status.
    int Bad(const QString& text) const;
    // Whether the subcommand has exactly `count` plain arguments after its name; else the error
    // says what is missing (`missing`, for translation) or which one is too many.
    bool Plain(std::size_t count, const char* missing) const;
    // The record the first plain argument after the name names, or a complaint.
    std::optional<CaseRecord> Named(CaseBook* book, int* status) const;

    // "2026-12-11 16:06": the moment on the caster's clock.
    std::string LocalTime(const std::string& castUtc, int offsetMinutes) const;
    // "1 Creative → 44 Encounter", or "-" where unknown.
    std::string Hexagrams(int original, int final) const;
};

const Subcommand& JournalList();
const Subcommand& JournalShow();
const Subcommand& JournalNote();
const Subcommand& JournalOutcome();
const Subcommand& JournalStats();
const Subcommand& JournalExport();
const Subcommand& JournalImport();

} // namespace zandrel
