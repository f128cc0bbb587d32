# SPDX-License-Identifier: GPL-3.0-or-later
# Copies SOURCE to OUTPUT with Windows' line ends (CR LF), so that every editor there shows its lines:
#   cmake -DSOURCE=<file> -DOUTPUT=<file> -P crlf.cmake
file(READ "${SOURCE}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUTPUT}" "${text}")
