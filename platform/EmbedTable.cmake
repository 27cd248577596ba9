# SPDX-FileCopyrightText: 2026 The Orvanta developers
# SPDX-License-Identifier: MIT
# Writes a C++ source that holds the reading table as one string, so that the program carries
# the table inside it and reads no file at run time. Run as: cmake -DINPUT=... -DOUTPUT=... -P
file(READ "${INPUT}" table)
file(WRITE "${OUTPUT}.tmp"
    "// Generated from ${INPUT}. Do not edit.\n"
    "#include <string_view>\n"
    "namespace platform {\n"
    "extern const std::string_view gb2312PinyinTable;\n"
    "const std::string_view gb2312PinyinTable = R\"table(${table})table\";\n"
    "}\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
