// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For the tests of the MusicXML export: a page filled with numerals, bar lines
// and marks in code, exported, checked against the MusicXML 4.0 schema with
// xmllint when it is installed, and parsed with pugixml to read back.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "base/cp932.h"
#include "interchange/musicxmlwriter.h"
#include "model/itemfactory.h"
#include "model/musicitem.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/workspace.h"

namespace sorvel::interchange::writerfixture {

inline constexpr char kSchemaDir[] = SORVEL_SHARED_MUSICXML "/schema";

inline bool HaveXmllint() {
    return std::system("command -v xmllint > /dev/null 2>&1") == 0;
}

// xmllint's complaints about the document; empty when it is valid.
inline std::string SchemaErrors(const std::string& xml) {
    char path[] = "/tmp/sorvel_export_XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) return "no temporary file";
    close(fd);
    std::ofstream(path, std::ios::binary) << xml;
    setenv("XML_CATALOG_FILES", (std::string(kSchemaDir) + "/catalog.xml").c_str(), 1);
    const std::string command = std::string("xmllint --noout --nonet --schema ") + kSchemaDir +
                                "/musicxml.xsd " + path + " 2>&1";
    std::string output;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buffer[512];
        while (fgets(buffer, sizeof buffer, p)) output += buffer;
        if (pclose(p) == 0) output.clear();
    }
    std::remove(path);
    return output;
}

inline std::string PitchName(pugi::xml_node note) {
    pugi::xml_node p = note.child("pitch");
    if (!p) return "r";
    std::string s = p.child_value("step");
    const int alter = p.child("alter").text().as_int();
    s += alter > 0 ? std::string(alter, '#') : std::string(-alter, 'b');
    return s + p.child_value("octave");
}

class WriterTest : public ::testing::Test, protected Workspace {
protected:
    WriterTest() {
        page = NewBook().GetSheet(0);
        page->SetTitle("Piece");
        page->SetKeyCode(cp932::FromUtf8("１＝Ｄ　（１５弦）"));
    }

    int RowY(int row) const {
        return page->TopSpace() + page->TitleHeight() + page->RowInterval() / 2 +
               row * page->RowInterval();
    }
    // The next symbol, one grid slot right of the last; 30 slots make a row.
    template <class T>
    T* Next(const std::string& content) {
        T* item = CreateItem<T>(*page);
        item->SetContent(content);
        item->SetPosX(page->LeftSpace() + (slot_ % 30 + 1) * page->GridSize());
        item->SetPosY(RowY(slot_ / 30));
        ++slot_;
        return item;
    }
    void NewRow() { slot_ = (slot_ / 30 + 1) * 30; }
    TNote* N(const std::string& content, int length = 0, int octave = 0,
             const std::string& rinji = "") {
        TNote* note = Next<TNote>(content);
        note->SetLength(length);
        note->SetOctave(octave);
        if (!rinji.empty()) note->SetRinji(rinji);
        return note;
    }
    // Digits are notes, "|" "d" "e" "f" "g" "h" bar lines, "-" a dash.
    std::vector<TNote*> Score(const std::string& text) {
        std::vector<TNote*> notes;
        for (char c : text) {
            if (c == '|')
                Next<TBarLine>("c");
            else if (c >= 'd' && c <= 'h')
                Next<TBarLine>(std::string(1, c));
            else if (c == '-')
                notes.push_back(N("8"));
            else if (c != ' ')
                notes.push_back(N(std::string(1, c)));
        }
        return notes;
    }
    template <class T = TMusicSign>
    T* Mark(TNote& note, const std::string& content, int width = 0) {
        T* mark = CreateItem<T>(*page);
        mark->SetContent(content);
        mark->SetPosX(note.PosX());
        mark->SetPosY(note.PosY() - 40);
        if (width > 0) mark->SetWidth(width);
        note.Link(*mark);
        mark->Link(note);
        return mark;
    }
    int Slots(int n) const { return n * page->GridSize(); }

    // Exports, checks the document against the schema and parses it.
    pugi::xml_node Export() {
        xml = WriteMusicXml(*book);
        if (HaveXmllint()) {
            EXPECT_EQ(SchemaErrors(xml), "") << xml;
        }
        EXPECT_TRUE(doc.load_string(xml.c_str()));
        return doc.child("score-partwise");
    }
    std::vector<pugi::xml_node> Notes(bool withGraces = false) {
        std::vector<pugi::xml_node> notes;
        for (pugi::xpath_node n : Export().select_nodes("//note")) {
            if (withGraces || !n.node().child("grace")) notes.push_back(n.node());
        }
        return notes;
    }
    std::string Pitches() {
        std::string s;
        for (pugi::xml_node n : Notes()) s += (s.empty() ? "" : " ") + PitchName(n);
        return s;
    }
    std::string Lengths() {
        std::string s;
        for (pugi::xml_node n : Notes()) {
            s += (s.empty() ? "" : " ") + std::string(n.child_value("type"));
            if (n.child("dot")) s += ".";
            if (n.find_child_by_attribute("tie", "type", "start")) s += "~";
        }
        return s;
    }
    size_t Count(const char* xpath) { return doc.select_nodes(xpath).size(); }

    TMusicSheet* page = nullptr;
    std::string xml;
    pugi::xml_document doc;

private:
    int slot_ = 0;
};

}  // namespace sorvel::interchange::writerfixture
