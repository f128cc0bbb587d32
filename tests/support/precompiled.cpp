// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing of its own: the library the tests' precompiled Qt headers are made in.
