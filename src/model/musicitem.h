// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Base of everything placed on a page: position, extent, glyph content and
// the symmetric links to other items (a mark to its note).
#include <memory>
#include <string>
#include <vector>

#include "model/contentkind.h"
#include "model/persistent.h"

namespace sorvel {

class TMusicSheet;
class TMusicBook;
struct ModelEnv;
class GlyphInfoTable;

// The concrete item classes, for kind checks without dynamic_cast.
enum class ItemClass {
    Note,
    BarLine,
    Beat,
    HorizBar,
    MusicSign,
    Cresc,
    Slur,
    RenTon,
    Kakko,
    Ren3,
    DaonLeft,
    DaonRight,
    Tempo,
    TextBox
};

struct Rect {
    int left, top, right, bottom;
};

class TMusicItem : public Persistent {
public:
    explicit TMusicItem(TMusicSheet& sheet);
    ~TMusicItem() override;

    virtual ItemClass Class() const = 0;
    const PropertyTable& Properties() const override;
    TUndo* Undo() const override;

    bool IsSymbol() const;  // occupies a grid slot: note, bar line, beat, horizontal bar
    bool IsMark() const { return !IsSymbol(); }
    bool IsMark2() const;  // a mark with a width: spanning marks, daons, tempo, text box
    // Whether PosX is the left end (spanning marks, boxes, horizontal bars)
    // rather than the centre.
    bool AnchoredAtLeft() const { return IsMark2() || Class() == ItemClass::HorizBar; }

    template <class T>
    T* As() {
        return Class() == T::kClass ? static_cast<T*>(this) : nullptr;
    }
    template <class T>
    const T* As() const {
        return Class() == T::kClass ? static_cast<const T*>(this) : nullptr;
    }

    TMusicSheet& Sheet() const { return *sheet_; }
    ModelEnv& Env() const;

    int PosX() const { return posX_; }
    int PosY() const { return posY_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::string& Content() const { return content_; }
    TContentKind ContentKind() const;
    int HeightRate() const { return heightRate_; }
    void SetPosX(int v);
    void SetPosY(int v);
    void SetWidth(int v) { ChangeInt(width_, v, "Width"); }
    void SetHeight(int v) { ChangeInt(height_, v, "Height"); }
    void SetContent(const std::string& v);

    // 1-based number of the item's page; setting it moves the item to that page.
    int OwnerPageNo() const;
    void SetOwnerPageNo(int n);

    // Sizes measured by drawing; stored without recording.
    void StoreMeasuredSize(int width, int height) {
        width_ = width;
        height_ = height;
    }

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    std::vector<std::string>& LinkNames() { return linkNames_; }

    int LinkCount() const { return static_cast<int>(links_.size()); }
    TMusicItem* GetLink(int index) const;
    const std::vector<TMusicItem*>& Links() const { return links_; }
    bool IsLinkedTo(const TMusicItem* other) const;
    // One direction only; callers link and unlink both ways.
    void Link(TMusicItem& other);
    void Unlink(TMusicItem& other);

    // Unlinks everything (recorded), takes the item off its page and hands it
    // to the undo manager. The object is not destroyed.
    void Delete();

    // Kind defaults after creation, through the setters (so they are recorded).
    virtual void InitDefaults() {}

    virtual bool HitTest(int x, int y) const;
    virtual Rect GetSizeGripRect() const;

    // Interaction state (not stored): selection and drag preview.
    bool selected = false;
    int dragX = 0, dragY = 0, dragWidth = 0;

protected:
    friend class TMusicSheet;
    void AttachTo(TMusicSheet* sheet) { sheet_ = sheet; }
    const GlyphInfoTable& Glyphs() const;

    TMusicSheet* sheet_;
    std::string name_;
    std::vector<TMusicItem*> links_;
    std::vector<std::string> linkNames_;
    int posY_ = 0, posX_ = 0;
    int width_ = 20, height_ = 30;
    std::string content_;
    int heightRate_ = 0;
};

// Items that occupy a grid slot of a row.
class TMusicSymbol : public TMusicItem {
public:
    using TMusicItem::TMusicItem;
};

class TBarLine : public TMusicSymbol {
public:
    static constexpr ItemClass kClass = ItemClass::BarLine;
    using TMusicSymbol::TMusicSymbol;
    ItemClass Class() const override { return kClass; }
    const char* ClassName() const override { return "TBarLine"; }
};

class TBeat : public TMusicSymbol {
public:
    static constexpr ItemClass kClass = ItemClass::Beat;
    using TMusicSymbol::TMusicSymbol;
    ItemClass Class() const override { return kClass; }
    const char* ClassName() const override { return "TBeat"; }
};

}  // namespace sorvel
