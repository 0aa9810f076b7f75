// zandrel journal stats: how many records came true, overall and per method.

#include "cli/journal.h"
#include "cli/terminal.h"
#include "platform/qt_text.h"

#include <cmath>

namespace zandrel {
namespace {

int Run(const CommandRun& run, std::string* error) {
    const Journal journal{run, error};
    if (!journal.Plain(0, "")) {
        return kBadInput;
    }
    bool missing = false;
    int status = kDone;
    const std::unique_ptr<CaseBook> book = journal.Open(false, &missing, &status, true);
    if (!book && !missing) {
        return status;
    }
    CaseBookError failure;
    const CaseStatistics statistics = book ? book->Statistics(&failure) : CaseStatistics{};
    if (failure.Failed()) {
        return journal.Failed(failure);
    }
    const Vocabulary& w = run.words;
    const auto line = [&](const VerdictCounts& counts, const QString& name) {
        const std::optional<double> share = counts.ShareTrue();
        const std::string percent =
            share ? std::to_string(static_cast<int>(std::lround(*share * 100))) + "%" : "-";
        //: %1 the method or "All", %2 the records, then how many came true, partly, did
        //: not, are not judged yet, and the share that came true among those judged
        return TerminalText(FillIn(
                   w.translate("Commands", "%1: records %2, %3 came true, %4 partly, "
                                           "%5 did not, %6 not yet; came true: %7"),
                   {ToUtf8(name), std::to_string(counts.total), std::to_string(counts.cameTrue),
                    std::to_string(counts.partly), std::to_string(counts.wrong),
                    std::to_string(counts.pending), percent})) +
               "\n";
    };
    //: All methods of casting together, in the statistics
    std::string text = line(statistics.overall, w.translate("Commands", "All"));
    for (const VerdictCounts& counts : statistics.perMethod) {
        text += line(counts, ToQString(counts.method));
    }
    return Print(run.out, run.err, w, text);
}

} // namespace

const Subcommand& JournalStats() {
    static const Subcommand subcommand{
        "stats", QT_TRANSLATE_NOOP("Commands", "  zandrel journal stats\n"), Run};
    return subcommand;
}

} // namespace zandrel
