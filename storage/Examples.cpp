// The built-in example maps: IDs, texts, stored solutions, pawns and boards.
#include "storage/Examples.h"

#include <QStringList>
#include <utility>

namespace {

struct TExampleText {
    const char16_t* ID;
    const char16_t* Title;
    const char16_t* Info;
    const char16_t* Help;
    const char16_t* Solution;
    int PawnNb;
    std::pair<int, int> Pawns[MaxPawns]; // column, row
    const char16_t* Rows[BoardRows];     // row 0 first, in the file letters "A" to "I"
};

TMap MakeExample(const TExampleText& e) {
    TMap map;
    map.ID = QString::fromUtf16(e.ID);
    map.Title = QString::fromUtf16(e.Title);
    map.Info = QString::fromUtf16(e.Info);
    map.Help = QString::fromUtf16(e.Help);
    map.Solution = QString::fromUtf16(e.Solution);
    map.PawnNb = e.PawnNb;
    for (int p = 0; p < e.PawnNb; ++p)
        map.PawnPos[p] = {std::int16_t(e.Pawns[p].first), std::int16_t(e.Pawns[p].second)};
    for (int y = 0; y < BoardRows; ++y)
        for (int x = 0; x < BoardCols; ++x) map.SetCell(x, y, TCellType(e.Rows[y][x] - u'A'));
    return map;
}

} // namespace

const std::array<TMap, ExampleCount>& ExampleMaps() {
    static const std::array<TMap, ExampleCount> maps = [] {
        const TExampleText texts[ExampleCount] = {
            // clang-format off
            {u"00000000000101",
             u"Exemple 1",
             u"Un facile pour commencer 😊",
             u"C'est facile qu'on vous dit !\r\nUn petit effort, quoi...",
             u"1D1R1U1R1D1L1U",
             1, {{6, 4}},
             {u"AAABBBBAAAA",
              u"AABBBBBBBAA",
              u"AABBBABBBAA",
              u"ACBBAABBBBA",
              u"ABBBBABBBBB",
              u"BBBBBABBBBB",
              u"ABBBBBBBBBA",
              u"AABBBBBBAAA"}},
            {u"00000000000202",
             u"Exemple 2",
             u"Waaaaaah, deux pions maintenant !",
             u"Vous aurez besoin d'arréter un pion avec l'autre plusieurs fois.\r\nIl y a deux fins différentes en 14 coups",
             u"2R2D2L2D2L2U1R2L2D2R2U1L1U2D",
             2, {{1, 3}, {7, 5}},
             {u"BBBBBBBBBAA",
              u"BBBBAAABBBA",
              u"ABBAACAABBA",
              u"ABBBBBBABBB",
              u"BBBBBBAABBB",
              u"BBBBCAABBBB",
              u"ABBAAAAABBB",
              u"ABBBBBBBBBA"}},
            {u"00000000000303",
             u"Exemple 3",
             u"Hmmmm, ç'est plus compliqué que ça en a l'air...\r\nPourtant c'est bien faisable",
             u"Le truc pour réussir en seulement 14 coups c'est de remonter le pion central d'une case !",
             u"2U1L1U1L1D1R3L3U3R3U1L1D1R2R",
             3, {{10, 2}, {5, 4}, {4, 6}},
             {u"AAAABBBBBAA",
              u"ABBBBBBBBBA",
              u"ABBBBAAABBB",
              u"AABBBBCABBB",
              u"AAABBCAABBB",
              u"BBBBBBBABBB",
              u"BBBBCAAABBB",
              u"ABBBBBBBBBA"}},
            {u"00000000000404",
             u"Exemple 4",
             u"Ce tableau introduit un nouvel élément :  la case Stop",
             u"Servez vous du stop pour amener un pion à côté d'un but pour faire blocage",
             u"2U2L2D2R1R1D2L2U",
             2, {{5, 0}, {5, 7}},
             {u"BBBBCBBBBBB",
              u"BBAABBBAABB",
              u"BBAABBBAABB",
              u"BBBBBBBBBBC",
              u"BBBBDBBBBBB",
              u"BBAABBBAABB",
              u"BBAABBBAABB",
              u"BBBBBBBBBBB"}},
            {u"00000000000505",
             u"Exemple 5",
             u"Attention à ne pas bloquer un pion au début !",
             u"Amenez les deux pions sur le bord gauche du 5 pour pouvoir les passer à droite ensuite",
             u"1L1U2L2U2R1D2L1U1R1D1R1U2R2U2R2D2R1R1D1L",
             2, {{7, 4}, {7, 5}},
             {u"BABBBBBBBBB",
              u"BBBBAAAABBB",
              u"BBBBACBBBBB",
              u"BBBBAAAABBC",
              u"BBBBBBBBABB",
              u"BBBBBBBBABB",
              u"BBBBBAAABBB",
              u"BABBBBBBBBA"}},
            {u"00000000000606",
             u"Exemple 6",
             u"Pas si dur qu'il en a l'air 🙄",
             u"Commencez par les buts de droite en vous aidant d'un troisième pion",
             u"4U4L2L1R3U3R1D1R1U1L1D2D2R1U1R2D2L2U2L2U2R2D3R3D3L",
             4, {{0, 0}, {10, 0}, {0, 7}, {10, 7}},
             {u"BBBBBABBBBB",
              u"BACABABBACB",
              u"BBABBAABCAB",
              u"BBBBBBBBBBB",
              u"CBBBBBBBBBB",
              u"BABBAABBABB",
              u"BBABBABABAB",
              u"BBBBBABBBBB"}},
            {u"00000000000707",
             u"Exemple 7",
             u"Ce tableau introduit un nouveau système :\r\ndes boutons basculant des portes",
             u"Au début vous n'avez pas trop le choix.\r\nC'est plus dur à la fin ; il faut amener les deux pions en haut à droite",
             u"2R2U1L1D1L2D1R1U2U1L1U1R2D2L2D1R2R2U2L2U1L2D2R2D2L2D1L1U1R",
             2, {{8, 5}, {0, 7}},
             {u"BCAAGAGABAA",
              u"BABBBABBBBA",
              u"BBBBBHBBBBB",
              u"BBAABABBBAA",
              u"ABBBBAABBBA",
              u"BABBBABCBBB",
              u"BBABBABAABB",
              u"BBBBBIBBBBB"}},
            {u"00000000000808",
             u"Exemple 8",
             u"Un nouvel élément est utilisé ici :\r\nles cases virage.\r\nBeaucoup de possibilités dans ce tableau; difficile de trouver la meilleure solution !",
             u"Commencez par le but de gauche. Il y a une astuce avec la case virage.\r\nEnsuite réfléchissez aux derniers coups pour atteindre chaque but",
             u"3L3D2L2U2R3U3R3D4L4D4L1D1L3U1R1R1U4R4R1D4D4L5U5L",
             5, {{7, 3}, {6, 7}, {3, 0}, {7, 0}, {10, 7}},
             {u"BBBBBABBBAB",
              u"BABBBBBBBAC",
              u"BBBABBBABBB",
              u"EBBBBFBBBBB",
              u"BCABBBBBBEB",
              u"BAABCBAABBA",
              u"BACBBBBBBBB",
              u"BBBBBBBABCB"}},
            {u"00000000000909",
             u"Exemple 9",
             u"Oh là là, c'est compliqué...\r\nOui, et c'est voulu !",
             u"Bon, c'est pas compliqué !\r\nDeux pions ouvrent la porte du bas au troisième, qui grâce au quatrième peut ouvrir la porte du haut pour libérer les deux autres.\r\nEnsuite y a plus qu'à mettre les pions sur les buts",
             u"4U4R2L2U2R2U2L2U4R1R1D1L2D4U4U3L4R4D3R3D3L1R1D1L1D1R1U1R2R2D2L3U3L1U1U4L3D",
             4, {{2, 0}, {4, 7}, {10, 4}, {0, 7}},
             {u"GABBABBBBBB",
              u"BBBBIBBBBBB",
              u"BBBDABBBBAB",
              u"BBBBACCBBBB",
              u"GABBACCBBBB",
              u"AABAABBBABA",
              u"BBBBIBFBBBB",
              u"BBBBBABAGBA"}},
            {u"00000000000A0A",
             u"Exemple 10",
             u"Ce tableau qui termine la série de démonstration est difficile, même en connaissant l'astuce avec la porte",
             u"Les trois pions sont requis pour atteindre le but de droite.\r\nIl faut donc que la porte ne se ferme pas quand un pion quitte le bouton...",
             u"2R2D3D3L3U3R3U3L1R1D1R1D1L1U3R3D3L3U3R3D3R3D3L2L2U1U1L1D3U2R2D3D1L1U1R1D1R1U1L1U1L1U3U3L3D1R1D1L1D3L1U1R1D1L1D1L1U3R3U3L3U",
             3, {{0, 3}, {6, 0}, {6, 4}},
             {u"GBACAABBBBA",
              u"BBBBBBABBBB",
              u"ABBBBAABCBB",
              u"BBBBBBABBBB",
              u"BBABBBBAAIA",
              u"BAAABBBBBBB",
              u"BBCBBABBABB",
              u"BBBBBBBAABA"}},
            // clang-format on
        };
        std::array<TMap, ExampleCount> result;
        for (int i = 0; i < ExampleCount; ++i) result[i] = MakeExample(texts[i]);
        return result;
    }();
    return maps;
}

const TMap& ExampleMap(int n) {
    return ExampleMaps()[n >= 1 && n <= ExampleCount ? n - 1 : 0];
}
