// Loading the chosen hymn file by the bytes that name it on disk, so that a name that is not UTF-8 loads like
// any other and the file read is the one the file list shows.
#pragma once

#include "entrystore.h"
#include "hymnfileloader.h"

#include <QByteArray>

// Loads the file at nativePath into store, with the loader's size cap and messages.
// To be replaced by HymnFileLoader::loadFile(const QByteArray &, EntryStore &) once the core loader opens
// files by native bytes: until then the window reads the bytes here and hands them to the loader.
LoadOutcome loadHymnFile(const QByteArray &nativePath, EntryStore &store);
