// SPDX-License-Identifier: GPL-3.0-or-later
// Folder listing figures: a folder of 100,000 *.txt files entered, listed and loaded from.
#pragma once

void registerFolderBenchmarks();
// Removes the generated folder (100,000 files) before the program ends.
void releaseFolderBenchmarks();
