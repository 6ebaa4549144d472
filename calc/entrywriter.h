#pragma once

#include "ext.h"
#include "reportlayout.h"

#include "resultsink.h"

namespace tervox::calc {

// Hands a run's entries to the sink by their number in the run's order. When
// given an array of kReportEntryCount + 1 values, it also keeps every number it
// writes there (indexed by entry number), for callers that want the values
// without reading the report back; such a caller may go without a sink.
class EntryWriter {
public:
    explicit EntryWriter(report::ResultSink& sink, long double* values = nullptr)
        : m_sink(&sink), m_values(values) {}
    explicit EntryWriter(long double* values) : m_sink(nullptr), m_values(values) {}

    void number(int no, Ext value) {
        if (m_values)
            m_values[no] = value.value();
        if (m_sink) {
            const ReportEntry& e = kReportEntries[static_cast<std::size_t>(no - 1)];
            m_sink->WriteNumber(e.section, e.key, value.value());
        }
    }

    void text(int no, std::string_view text) {
        if (m_sink) {
            const ReportEntry& e = kReportEntries[static_cast<std::size_t>(no - 1)];
            m_sink->WriteEntry(e.section, e.key, text);
        }
    }

private:
    report::ResultSink* m_sink;
    long double* m_values;
};

} // namespace tervox::calc
