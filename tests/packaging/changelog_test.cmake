# SPDX-License-Identifier: GPL-3.0-or-later
# The reading of CHANGELOG.md (resources/packaging/changelog.cmake): what a
# good file gives (the version, the Debian changelog, the AppStream releases)
# and that every kind of malformed file stops the configuration with the line
# at fault.
#   cmake -DWORK=<scratch folder> -P changelog_test.cmake
cmake_minimum_required(VERSION 3.22)
include(${CMAKE_CURRENT_LIST_DIR}/../../resources/packaging/changelog.cmake)

# Run on one file (a child process, since a malformed file ends it): prints
# what was read.
if(DEFINED CHANGELOG)
  sorvel_read_changelog(${CHANGELOG})
  message("version=${SORVEL_VERSION} date=${SORVEL_RELEASE_DATE} years=${SORVEL_COPYRIGHT_YEARS}")
  sorvel_write_debian_changelog(${CHANGELOG}.debian sorvel "A Maintainer <a@example.org>")
  sorvel_appstream_releases(xml)
  file(WRITE ${CHANGELOG}.xml "${xml}")
  return()
endif()

file(MAKE_DIRECTORY ${WORK})
set(failures 0)
function(fail what)
  message("FAILED: ${what}")
  math(EXPR failures "${failures} + 1")
  set(failures ${failures} PARENT_SCOPE)
endfunction()
# Fails unless `text` holds `expected` (plain text, not a pattern).
function(expect_text text expected what)
  string(FIND "${text}" "${expected}" at)
  if(at EQUAL -1)
    fail("${what}: no \"${expected}\" in \"${text}\"")
    set(failures ${failures} PARENT_SCOPE)
  endif()
endfunction()

function(read_changelog name text out_result out_output)
  file(WRITE ${WORK}/${name}.md "${text}")
  execute_process(COMMAND ${CMAKE_COMMAND} -DCHANGELOG=${WORK}/${name}.md -P ${CMAKE_CURRENT_LIST_FILE}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  # CMake breaks the lines of its error messages where it likes.
  string(REGEX REPLACE "[ \n]+" " " output "${output}")
  set(${out_result} ${result} PARENT_SCOPE)
  set(${out_output} "${output}" PARENT_SCOPE)
endfunction()

# A good file: two releases, an item going on over two lines, and the
# characters CMake lists are made of.
read_changelog(good [=[
# Changes

Some words before the first release.

## 0.2 (2027-01-04)

- A fix; with a semicolon, [brackets] and <angle> & ampersand.
- An item long enough that the Debian changelog has to break it over more
  than one line, as its lines are at most eighty columns wide, every one.

## 0.1 (2026-12-08)

- First release.
]=] result output)
if(NOT result EQUAL 0)
  fail("a good file is read: ${output}")
endif()
expect_text("${output}" "version=0.2 date=2027-01-04 years=2026-2027" "version, date and years")
file(READ ${WORK}/good.md.debian debian)
expect_text("${debian}" "sorvel (0.2) unstable; urgency=medium\n\n  * A fix; with a semicolon, [brackets] and <angle> & ampersand.\n"
            "the first entry, its characters kept")
expect_text("${debian}" "\n -- A Maintainer <a@example.org>  Mon, 04 Jan 2027 12:00:00 +0000\n\nsorvel (0.1) unstable"
            "the first signature, with its weekday, and the second entry")
expect_text("${debian}" "\n\n -- A Maintainer <a@example.org>  Tue, 08 Dec 2026 12:00:00 +0000\n"
            "the second signature")
expect_text("${debian}" "to break it over more\n    than one line" "a long item goes on indented")
string(REPLACE "\n" "|" flat "${debian}")
if(flat MATCHES "[^|]{81}")
  fail("a line of the Debian changelog is longer than 80 columns:\n${debian}")
endif()
find_program(parse dpkg-parsechangelog)
if(parse)
  execute_process(COMMAND ${parse} -l ${WORK}/good.md.debian -S Version
                  OUTPUT_VARIABLE parsed OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT parsed STREQUAL "0.2")
    fail("dpkg-parsechangelog reads it: ${parsed}")
  endif()
endif()
file(READ ${WORK}/good.md.xml xml)
expect_text("${xml}" "<release version=\"0.2\" date=\"2027-01-04\">" "the newest AppStream release")
expect_text("${xml}" "<li>A fix; with a semicolon, [brackets] and &lt;angle&gt; &amp; ampersand.</li>"
            "XML's characters escaped")
expect_text("${xml}" "<release version=\"0.1\" date=\"2026-12-08\">" "every release")

# Malformed files, each refused with its line.
foreach(case IN ITEMS heading order empty stray date none)
  if(case STREQUAL "heading")
    set(text "## 0.2 2027-01-04\n- item\n")
    set(says "heading.md:1: a release is")
  elseif(case STREQUAL "order")
    set(text "## 0.1 (2026-12-08)\n- a\n## 0.2 (2027-01-04)\n- b\n")
    set(says "order.md:3: releases go from the newest to the oldest")
  elseif(case STREQUAL "empty")
    set(text "## 0.2 (2027-01-04)\n\n## 0.1 (2026-12-08)\n- a\n")
    set(says "empty.md:3: the release above says nothing")
  elseif(case STREQUAL "stray")
    set(text "## 0.2 (2027-01-04)\nno dash here\n")
    set(says "stray.md:2: an item starts with")
  elseif(case STREQUAL "date")
    set(text "## 0.2 (2027-13-04)\n- a\n")
    set(says "date.md:1: no such date")
  else()
    set(text "# Changes\n\nNothing yet.\n")
    set(says "none.md: no release")
  endif()
  read_changelog(${case} "${text}" result output)
  if(result EQUAL 0)
    fail("${case}: not refused")
  endif()
  expect_text("${output}" "${says}" "${case}: names the line at fault")
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "changelog_test: ${failures} failed")
endif()
message("changelog_test: passed")
