# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the user guide's page: cmark's HTML of SOURCE in a whole document that names its encoding (a browser
# opening the installed file would otherwise guess it) and takes its title from the guide's first heading.
#   cmake -DCMARK=<cmark> -DSOURCE=<user-guide.md> -DOUTPUT=<user-guide.html> -P guide-html.cmake
execute_process(COMMAND ${CMARK} --to html ${SOURCE}
    OUTPUT_VARIABLE body RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR body STREQUAL "")
    message(FATAL_ERROR "cmark could not make the user guide from ${SOURCE}: ${status} ${errors}")
endif()
file(STRINGS ${SOURCE} first LIMIT_COUNT 1 ENCODING UTF-8)
string(REGEX REPLACE "^# *" "" title "${first}")
string(REPLACE "&" "&amp;" title "${title}")
string(REPLACE "<" "&lt;" title "${title}")
string(REPLACE ">" "&gt;" title "${title}")
file(WRITE ${OUTPUT} "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<title>${title}</title>
<style>
body { font-family: sans-serif; }
img { max-width: 100%; }
pre { background-color: #f4f4f4; padding: 0.5em; }
</style>
</head>
<body>
${body}</body>
</html>
")
