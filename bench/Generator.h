#pragma once

#include <QString>

// Writes realistic collection files for the benchmarks: every main table filled with French
// names, links between records, purchase values in the forms users type, imported rows and
// pictures. The same options and seed always give the same rows.
namespace Generator {

struct Options {
    int records = 1000;          // rows per main table (equipment, documentation, routines)
    double pictureShare = 0.05;  // share of records carrying a picture of their own
    quint32 seed = 1;
    int version = 8;             // 1..7 writes the file as that version stored it
};

struct Counts {
    int equipment = 0;
    int documentation = 0;
    int routines = 0;
    int contacts = 0;
    int pictures = 0;
    qint64 pictureBytes = 0;
};

// Creates `path` (replacing it). Returns false with `error` set on failure.
bool write(const QString &path, const Options &options, Counts *counts = nullptr, QString *error = nullptr);

} // namespace Generator
