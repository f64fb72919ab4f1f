#include "pxliboracle.h"

// pxlib's header declares C functions without saying so.
extern "C" {
#include <paradox.h>
}

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <variant>

namespace pxlib {

namespace {

void CollectMessage(pxdoc_t* /*doc*/, int /*level*/, const char* message, void* data) {
    static_cast<std::string*>(data)->append(message).append("; ");
}

// One pxlib document, deleted with its owner; collects pxlib's messages.
class Document {
public:
    Document() : doc_(PX_new3(CollectMessage, nullptr, nullptr, nullptr, &messages_)) {
        if (doc_ == nullptr) {
            throw std::runtime_error("pxlib: no document");
        }
    }
    ~Document() { PX_delete(doc_); }
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    pxdoc_t* get() const { return doc_; }

    void check(bool ok, const std::string& what) const {
        if (!ok) {
            throw std::runtime_error("pxlib: " + what + ": " + messages_);
        }
    }

    void open(const std::filesystem::path& path) {
        check(PX_open_file(doc_, path.c_str()) >= 0, "open " + path.string());
    }

private:
    std::string messages_;
    pxdoc_t* doc_;
};

// pxlib forgets the index it built at open when it is given another, and
// the key copies of an index it read; freed here so leak checks stay quiet.
void ReleaseLeakedIndexData(const Document& doc, void* ownIndex, const Document& pindex) {
    doc.get()->free(doc.get(), ownIndex);
    auto* entries = static_cast<pxpindex_t*>(pindex.get()->px_data);
    for (int i = 0; i < pindex.get()->px_datalen; ++i) {
        pindex.get()->free(pindex.get(), entries[i].data);
        entries[i].data = nullptr;
    }
}

bool AllZero(const char* data, int size) {
    for (int i = 0; i < size; ++i) {
        if (data[i] != 0) {
            return false;
        }
    }
    return true;
}

// pxlib's getters, with its 64-bit blind spots for blank 4-byte values
// and Bytes fields starting with a zero byte covered from the raw bytes.
db::FieldValue Value(pxdoc_t* doc, const pxfield_t& field, char* data) {
    const int size = field.px_flen;
    switch (field.px_ftype) {
        case pxfAlpha: {
            char* text = nullptr;
            if (PX_get_data_alpha(doc, data, size, &text) <= 0) {
                return {};
            }
            std::string value(text);
            doc->free(doc, text);
            return value;
        }
        case pxfBytes: {
            if (AllZero(data, size)) {
                return {};
            }
            return std::string(data, static_cast<std::size_t>(size));
        }
        case pxfShort: {
            short value = 0;
            if (PX_get_data_short(doc, data, size, &value) <= 0) {
                return {};
            }
            return std::int32_t{value};
        }
        case pxfDate:
        case pxfLong:
        case pxfAutoInc:
        case pxfTime: {
            long value = 0;
            if (AllZero(data, size) || PX_get_data_long(doc, data, size, &value) <= 0) {
                return {};
            }
            if (field.px_ftype == pxfDate) {
                return db::Date{static_cast<std::int32_t>(value)};
            }
            return static_cast<std::int32_t>(value);
        }
        case pxfNumber:
        case pxfCurrency:
        case pxfTimestamp: {
            double value = 0;
            if (PX_get_data_double(doc, data, size, &value) <= 0) {
                return {};
            }
            return value;
        }
        case pxfLogical: {
            char value = 0;
            if (PX_get_data_byte(doc, data, size, &value) <= 0) {
                return {};
            }
            return value != 0;
        }
        default:
            return {};
    }
}

bool Readable(int type) {
    switch (type) {
        case pxfMemoBLOb:
        case pxfBLOb:
        case pxfFmtMemoBLOb:
        case pxfOLE:
        case pxfGraphic:
        case pxfBCD:
            return false;
        default:
            return true;
    }
}

std::vector<db::Record> Records(const Document& doc, const Table& table) {
    std::vector<db::Record> records;
    const int count = PX_get_num_records(doc.get());
    std::vector<char> data(static_cast<std::size_t>(PX_get_recordsize(doc.get())));
    pxfield_t* fields = PX_get_fields(doc.get());
    for (int r = 0; r < count; ++r) {
        doc.check(PX_get_record(doc.get(), r, data.data()) != nullptr,
                  "record " + std::to_string(r));
        db::Record record;
        std::size_t offset = 0;
        for (std::size_t f = 0; f < table.fields.size(); ++f) {
            record.push_back(Value(doc.get(), fields[f], data.data() + offset));
            offset += static_cast<std::size_t>(fields[f].px_flen);
        }
        records.push_back(std::move(record));
    }
    return records;
}

Table Header(const Document& doc) {
    Table table;
    const int count = PX_get_num_fields(doc.get());
    pxfield_t* fields = PX_get_fields(doc.get());
    for (int f = 0; f < count; ++f) {
        table.fields.push_back({fields[f].px_fname, fields[f].px_ftype, fields[f].px_flen});
    }
    float keys = 0;
    PX_get_value(doc.get(), "primarykeyfields", &keys);
    table.keyFieldCount = static_cast<int>(keys);
    table.encrypted = doc.get()->px_head->px_encryption != 0;
    return table;
}

pxfield_t* NewFields(std::initializer_list<pxfield_t> fields) {
    // pxlib frees the array and the names itself.
    auto* array = static_cast<pxfield_t*>(std::calloc(fields.size(), sizeof(pxfield_t)));
    std::size_t i = 0;
    for (const pxfield_t& field : fields) {
        array[i] = field;
        array[i].px_fname = strdup(field.px_fname);
        ++i;
    }
    return array;
}

}  // namespace

Table Read(const std::filesystem::path& db, const std::filesystem::path& index) {
    Document doc;
    doc.open(db);
    Document pindex;
    if (!index.empty()) {
        pindex.open(index);
        pindex.check(PX_read_primary_index(pindex.get()) >= 0, "read index");
        void* ownIndex = doc.get()->px_indexdata;
        doc.check(PX_add_primary_index(doc.get(), pindex.get()) >= 0, "add index");
        ReleaseLeakedIndexData(doc, ownIndex, pindex);
    }
    Table table = Header(doc);
    const bool readable = std::all_of(table.fields.begin(), table.fields.end(),
                                      [](const Field& f) { return Readable(f.type); });
    if (!table.encrypted && readable) {
        table.records = Records(doc, table);
    }
    return table;
}

std::vector<IndexEntry> ReadIndexEntries(const std::filesystem::path& px) {
    Document doc;
    doc.open(px);
    std::vector<IndexEntry> entries;
    const int count = PX_get_num_records(doc.get());
    std::vector<char> data(static_cast<std::size_t>(PX_get_recordsize(doc.get())));
    pxfield_t* key = PX_get_fields(doc.get());
    for (int r = 0; r < count; ++r) {
        doc.check(PX_get_record(doc.get(), r, data.data()) != nullptr,
                  "entry " + std::to_string(r));
        short block = 0;
        short records = 0;
        PX_get_data_short(doc.get(), data.data() + 4, 2, &block);
        PX_get_data_short(doc.get(), data.data() + 6, 2, &records);
        entries.push_back({Value(doc.get(), *key, data.data()), block, records});
    }
    return entries;
}

void WriteWeightLog(const std::filesystem::path& db, const std::filesystem::path& px,
                    const std::vector<db::Record>& records) {
    {
        Document doc;
        pxfield_t* fields = NewFields({{const_cast<char*>("DATE"), pxfDate, 4, 0},
                                       {const_cast<char*>("WEIGHT"), pxfNumber, 8, 0}});
        doc.check(PX_create_file(doc.get(), fields, 2, db.c_str(), pxfFileTypIndexDB) >= 0,
                  "create " + db.string());
        doc.check(PX_set_value(doc.get(), "numprimkeys", 1) >= 0, "set key");
        for (const db::Record& record : records) {
            char data[12] = {};
            if (const auto* date = std::get_if<db::Date>(&record[0])) {
                PX_put_data_long(doc.get(), data, 4, date->days);
            }
            if (const auto* weight = std::get_if<double>(&record[1])) {
                PX_put_data_double(doc.get(), data + 4, 8, *weight);
            }
            doc.check(PX_put_record(doc.get(), data) >= 0, "put record");
        }
    }
    Document doc;
    doc.open(db);
    Document pindex;
    pxfield_t* key = NewFields({{const_cast<char*>("DATE"), pxfDate, 4, 0}});
    pindex.check(PX_create_file(pindex.get(), key, 1, px.c_str(), pxfFileTypPrimIndex) >= 0,
                 "create " + px.string());
    pindex.check(PX_write_primary_index(doc.get(), pindex.get()) >= 0, "write index");
}

}  // namespace pxlib
