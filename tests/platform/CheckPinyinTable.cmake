# SPDX-FileCopyrightText: 2026 The Orvanta developers
# SPDX-License-Identifier: MIT
# Regenerates the pinyin reading table and fails unless it matches the committed one byte for
# byte. Run as: cmake -DPYTHON=... -DGENERATOR=... -DCOMMITTED=... -DOUTPUT=... -P
file(REMOVE "${OUTPUT}")
execute_process(
    COMMAND "${PYTHON}" "${GENERATOR}" --output "${OUTPUT}"
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "The table generator failed (${status}); is the unicode-data package installed?")
endif()
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}" "${COMMITTED}"
    RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${COMMITTED} is stale: regenerate it with ${GENERATOR} --output ${COMMITTED}"
        " (the fresh table is in ${OUTPUT}).")
endif()
message(STATUS "The committed reading table is current.")
