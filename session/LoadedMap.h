// Which map the window shows: a built-in example, the map of a single file (or a new map), or
// one map of the loaded pack.
#pragma once

class TLoadedMap {
public:
    TLoadedMap() = default;
    static TLoadedMap Example(int Number) { return TLoadedMap(Number); }
    // A map file, a new map, or a map detached from its example or pack by an edit.
    static TLoadedMap File() { return TLoadedMap(0); }
    static TLoadedMap PackMap(int Number) { return TLoadedMap(-Number); }
    // As the settings file and the menus number it: 1 to 10 an example, 0 a file, -k map k of
    // the pack.
    static TLoadedMap FromStored(int Value) { return TLoadedMap(Value); }
    int Stored() const { return Value; }

    bool IsExample() const { return Value > 0; }
    bool IsFile() const { return Value == 0; }
    bool IsPackMap() const { return Value < 0; }
    // The example's number or the map's place in the pack, from 1; 0 for a file.
    int Number() const { return Value < 0 ? -Value : Value; }

    friend bool operator==(TLoadedMap, TLoadedMap) = default;

private:
    explicit TLoadedMap(int Stored) : Value(Stored) {}
    int Value = 1;
};
