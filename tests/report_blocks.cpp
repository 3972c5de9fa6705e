// Every product of the catalogue tried on a wall, without a window: which
// ones pass, and which is recommended.
#include "KorvelsBlocks.h"
#include "KorvelsInputs.h"
#include "KorvelsTable.h"

#include <gtest/gtest.h>

using namespace Korvel;

namespace {

// The start wall with only the given checks and the given inputs changed.
Calculation Wall(std::array<bool, 3> checks,
                 std::initializer_list<std::pair<const char*, const char*>> inputs) {
    Calculation c = Calculation::Start();
    c.checks = checks;
    for (const auto& [field, text] : inputs)
        c.inputs[static_cast<std::size_t>(FindInputField(field) - InputFields().data())] = text;
    return c;
}

const Block& Product(int block) {
    static const Block none{"none", 0, "", 0, 0, 0};
    return block < 0 ? none : Catalogue()[static_cast<std::size_t>(block)];
}

std::string Name(int block) {
    return Product(block).name;
}

// Each product's outcome is the one "--check" gives the wall written with it.
void ExpectAsChecked(const Calculation& wall, const BlockChoice& choice) {
    ASSERT_EQ(choice.products.size(), Catalogue().size());
    for (const ProductOutcome& p : choice.products) {
        Calculation c = wall;
        c.block = QString::fromUtf8(Catalogue()[static_cast<std::size_t>(p.block)].name);
        const WallResult checked = EvaluateWall(CheckCalculation(c, "."), ".");
        EXPECT_EQ(p.Verdict(), checked.Verdict()) << Name(p.block);
        EXPECT_EQ(p.slenderness, checked.slenderness) << Name(p.block);
        for (std::size_t k = 0; k < p.checks.size(); ++k) {
            EXPECT_EQ(p.checks[k].state, checked.checks[k].state) << Name(p.block) << " " << k;
            EXPECT_EQ(CheckCell(p.checks[k]), CheckCell(checked.checks[k])) << Name(p.block);
        }
    }
}

} // namespace

TEST(Blocks, OnlyThickerProductsPassAndTheThinnestOfThemIsRecommended) {
    // A heavy load on the wall: 150 mm and less fail, so do some of 200 mm.
    const Calculation wall = Wall({true, false, false}, {{"PvldEdit", "150"}});
    const BlockChoice choice = ChooseBlock(wall, ".");
    ExpectAsChecked(wall, choice);
    EXPECT_EQ(Name(choice.recommended), "Dursa 200"); // not Norvik 250, listed before it
    for (const ProductOutcome& p : choice.products)
        EXPECT_TRUE(Product(p.block).t >= 0.2 || !p.Passes()) << Name(p.block);
    EXPECT_EQ(LargestText(choice.products[static_cast<std::size_t>(choice.recommended)]), "78 %");
}

TEST(Blocks, EquallyThickProductsAreRankedByDensity) {
    // 2800 mm high: every 150 mm product passes, every 100 mm one is too slender.
    const BlockChoice choice = ChooseBlock(Wall({true, false, false}, {{"hEdit", "2800"}}), ".");
    for (const char* name : {"Ilvo 150", "Norvik 150", "Dursa 150"})
        EXPECT_TRUE(choice.products[static_cast<std::size_t>(FindBlock(name))].Passes()) << name;
    // 425 kg/m3 before Ilvo's 450, listed first, and Dursa's 575.
    EXPECT_EQ(Name(choice.recommended), "Norvik 150");
}

TEST(Blocks, ABearingAreaWiderThanAProductDoesNotFitIt) {
    // The window's start wall: its 200 mm bearing area on every product.
    const Calculation wall = Calculation::Start();
    const BlockChoice choice = ChooseBlock(wall, ".");
    ExpectAsChecked(wall, choice);
    for (const ProductOutcome& p : choice.products) {
        const CheckOutcome& force = p.Check(CheckKind::Concentrated);
        if (Product(p.block).t < 0.2) {
            EXPECT_EQ(ProductCell(force), "ei mahu") << Name(p.block);
            EXPECT_TRUE(force.reason.contains("tkjEdit")) << Name(p.block);
            EXPECT_FALSE(p.Passes()) << Name(p.block);
        } else {
            EXPECT_TRUE(force.Computed()) << Name(p.block);
        }
    }
    EXPECT_EQ(Name(choice.recommended), "Norvik 200");
}

TEST(Blocks, AWallNoProductCarries) {
    const BlockChoice choice = ChooseBlock(Wall({true, false, false}, {{"PvldEdit", "600"}}), ".");
    ASSERT_TRUE(choice.error.isEmpty());
    EXPECT_EQ(choice.recommended, -1);
    for (const ProductOutcome& p : choice.products)
        EXPECT_FALSE(p.Passes()) << Name(p.block);
    // The strongest of them still shows how far it is from carrying the wall.
    EXPECT_EQ(LargestText(choice.products[static_cast<std::size_t>(FindBlock("Dursa 300"))]),
              "163 %");
}
