#include "components/Drug.h"
#include "platform/vb/Strings.h"
#include "sampleward/SampleWard.h"

namespace sampleward {

namespace {

struct SampleItem {
    const char* Code;
    const char* Name;
    const char* Description;
    const char* Generic; // "" when the item has none
    const char* Classification;
    const char* Location;
    const char* PriceIn;
    const char* PriceOut;
    double OnHand;
};

// In name order, as the lists ask for them.
const std::vector<SampleItem>& Items() {
    static const std::vector<SampleItem> items = {
        {"AMOX500", "AMOXICILLIN 500MG", "CAPSULE", "AMX", "A", "20", "12.00", "13.50", 120},
        {"CEFT1G", "CEFTRIAXONE 1G", "VIAL", "", "A", "20", "350.00", "385.00", 30},
        {"PARA500", "PARACETAMOL 500MG", "TABLET", "PCM", "I", "20", "4.50", "5.00", 240},
        {"GAUZE44", "GAUZE PAD 4X4", "STERILE", "", "S", "21", "8.00", "9.00", 500},
        {"SYR5", "SYRINGE 5ML", "DISPOSABLE", "", "S", "21", "6.00", "7.00", 300},
    };
    return items;
}

struct SampleGeneric {
    const char* Code;
    const char* Name;
    const char* Classification;
};

const std::vector<SampleGeneric>& Generics() {
    static const std::vector<SampleGeneric> generics = {{"AMX", "AMOXICILLIN", "ANTIBIOTIC"},
                                                        {"PCM", "PARACETAMOL", "ANALGESIC"}};
    return generics;
}

const char* ClassificationName(const std::string& code) {
    if (code == "I")
        return "ANALGESIC";
    if (code == "A")
        return "ANTIBIOTIC";
    return "SUPPLIES";
}

bool StartsWith(const std::string& text, std::string start) {
    if (!start.empty() && start.back() == '%')
        start.pop_back();
    return vb::UCase(text).rfind(vb::UCase(start), 0) == 0;
}

const char* const kItemLookUp =
    "SELECT m.ItemID, m.ItemName, m.Description, m.Status, g.GenericName, m.ItemClassificationID, "
    "c.Classification, s.SellingPriceIn, s.SellingPriceOut, s.OnHand FROM INVENTORY..tbInvMaster m "
    "LEFT JOIN INVENTORY..tbInvGeneric g ON g.GenericID = m.GenericID "
    "LEFT JOIN INVENTORY..tbInvClassification c ON c.ItemClassificationID = m.ItemClassificationID "
    "LEFT JOIN INVENTORY..tbInvLocationStock s ON s.ItemID = m.ItemID AND s.LocationID = '{?}' WHERE m.ItemID = "
    "'{?}'";

// An item looked up elsewhere than where it is stocked is still found, without price or stock there.
Answer ItemLookUp(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    for (const SampleItem& item : Items()) {
        if (vb::UCase(values[1]) != item.Code)
            continue;
        std::string generic;
        for (const SampleGeneric& g : Generics())
            if (item.Generic == std::string(g.Code))
                generic = g.Name;
        const bool here = values[0] == item.Location;
        rows.push_back({vb::Variant(item.Code), vb::Variant(item.Name), vb::Variant(item.Description), vb::Variant("A"),
                        generic.empty() ? vb::Variant::Null() : vb::Variant(generic), vb::Variant(item.Classification),
                        vb::Variant(ClassificationName(item.Classification)),
                        here ? vb::Variant(item.PriceIn) : vb::Variant::Null(),
                        here ? vb::Variant(item.PriceOut) : vb::Variant::Null(),
                        here ? vb::Variant(item.OnHand) : vb::Variant::Null()});
    }
    return Rows({"ItemID", "ItemName", "Description", "Status", "GenericName", "ItemClassificationID", "Classification",
                 "SellingPriceIn", "SellingPriceOut", "OnHand"},
                std::move(rows));
}

Answer GenericLookUp(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    for (const SampleGeneric& generic : Generics()) {
        if (vb::UCase(values.back()) != generic.Code)
            continue;
        double onHand = 0;
        for (const SampleItem& item : Items())
            if (item.Generic == std::string(generic.Code) && std::string(item.Location) == "20")
                onHand += item.OnHand;
        rows.push_back({vb::Variant(generic.Code), vb::Variant(generic.Name), vb::Variant(generic.Classification),
                        vb::Variant(onHand)});
    }
    return Rows({"GenericID", "GenericName", "Classification", "OnHand"}, std::move(rows));
}

Answer ItemList(const std::vector<std::string>& values, bool searched) {
    std::vector<Row> rows;
    for (const SampleItem& item : Items()) {
        if (values[0] != item.Location)
            continue;
        if (searched && !StartsWith(item.Code, values[1]) && !StartsWith(item.Name, values[1]))
            continue;
        rows.push_back({vb::Variant(item.Code), vb::Variant(item.Name)});
    }
    return Rows({"ItemID", "ItemName"}, std::move(rows));
}

Answer GenericList(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    for (const SampleGeneric& generic : Generics())
        if (values.empty() || StartsWith(generic.Code, values[0]) || StartsWith(generic.Name, values[0]))
            rows.push_back({vb::Variant(generic.Code), vb::Variant(generic.Name)});
    return Rows({"GenericID", "GenericName"}, std::move(rows));
}

void DeclareItems(SampleServer& server) {
    server.OnRule(kItemLookUp, ItemLookUp);
    server.OnRule("SELECT g.GenericID, g.GenericName, c.Classification, (SELECT ISNULL(SUM(s.OnHand), 0) FROM "
                  "INVENTORY..tbInvMaster m JOIN INVENTORY..tbInvLocationStock s ON s.ItemID = m.ItemID AND "
                  "s.LocationID = '{?}' WHERE m.GenericID = g.GenericID AND m.Status = 'A') AS OnHand FROM "
                  "INVENTORY..tbInvGeneric g LEFT JOIN INVENTORY..tbInvClassification c ON c.ItemClassificationID = "
                  "g.ItemClassificationID WHERE g.GenericID = '{?}'",
                  GenericLookUp);
    server.OnPattern("SELECT RoomID FROM PATIENT_DATA..tbPatient WHERE IDNum = '{?}'")
        .Returns({"RoomID"}, {{vb::Variant("SIC-01")}});
    server
        .OnPattern("SELECT SellingPrice FROM INVENTORY..tbInvRoomClassPrice WHERE ItemID = '{?}' AND LocationID = "
                   "'{?}' AND RoomClass = '{?}'")
        .Returns({"SellingPrice"}, {});
    const std::string list = "SELECT m.ItemID, m.ItemName FROM INVENTORY..tbInvMaster m JOIN "
                             "INVENTORY..tbInvLocationStock s ON s.ItemID = m.ItemID AND s.LocationID = '{?}' WHERE "
                             "m.Status = 'A'";
    server.OnRule(list + " ORDER BY m.ItemName", [](const std::vector<std::string>& v) { return ItemList(v, false); });
    server.OnRule(list + " AND (m.ItemID LIKE '{?}' OR m.ItemName LIKE '{?}') ORDER BY m.ItemName",
                  [](const std::vector<std::string>& v) { return ItemList(v, true); });
    server.OnRule("SELECT GenericID, GenericName FROM INVENTORY..tbInvGeneric ORDER BY GenericName", GenericList);
    server.OnRule("SELECT GenericID, GenericName FROM INVENTORY..tbInvGeneric WHERE (GenericID LIKE '{?}' OR "
                  "GenericName LIKE '{?}') ORDER BY GenericName",
                  GenericList);
}

// Writes are forgotten, so the series never moves and nothing was ever issued or posted here.
void DeclareStockCards(SampleServer& server) {
    server
        .OnPattern("SELECT ISNULL(SUM(Quantity), 0) AS Issued FROM INVENTORY..tbInvStockcard WHERE IdNum = '{?}' "
                   "AND ItemID = '{?}' AND ISNULL(EntryType, '') <> 'C'")
        .Returns({"Issued"}, {{vb::Variant(0.0)}});
    for (const char* lock : {"", " WITH (UPDLOCK, ROWLOCK)"}) {
        const std::string head = std::string("SELECT Prefix, Width, LastNumber FROM INVENTORY..tbInvSlipSeries") +
                                 lock + " WHERE SeriesID = ";
        server.On(head + "'CM'")
            .Returns({"Prefix", "Width", "LastNumber"}, {{vb::Variant("CM"), vb::Variant(6.0), vb::Variant(100.0)}});
        server.On(head + "'AS'")
            .Returns({"Prefix", "Width", "LastNumber"}, {{vb::Variant("AJ"), vb::Variant(6.0), vb::Variant(40.0)}});
    }
    for (bool supplies : {false, true})
        server.OnPattern(components::PostedItemsStatement("'{?}'", supplies))
            .Returns(components::PostedItemsColumns(), {});
}

} // namespace

void DeclareDrugs(SampleServer& server) {
    DeclareItems(server);
    DeclareStockCards(server);
}

} // namespace sampleward
