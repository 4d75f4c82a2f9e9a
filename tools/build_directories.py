#!/usr/bin/env python3
"""Builds the directory files of the program from public classifier data.

Reads the CSV files of the data folder (see its SOURCES.md) and writes, in Windows-1251:
  data/InspectionNumbers.xml   tax offices, without the regional administrations (codes ending "00")
  data/Oksm.xml                countries of the OKSM classifier
  data/Sp_OKVED2.xml           kinds of economic activity with their six-level hierarchy
  data/CurrencyRates.xml       currencies with the official daily exchange rates of 2013 and 2014
  resources/directories/IncomeDict.xml   the income codes with their deductions (embedded)

Usage: tools/build_directories.py [--data DIR] [--out REPO_ROOT]
The output depends only on the input files, so a re-run with the same data gives the same bytes.
"""

import argparse
import csv
import os
import re
import sys
from decimal import Decimal

from income_codes import income_dictionary


def escape(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;"))


def attrs(pairs):
    return "".join(f' {name}="{escape(value)}"' for name, value in pairs)


def write_xml(path, lines):
    text = '<?xml version="1.0" encoding="windows-1251"?>\n' + "\n".join(lines) + "\n"
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(text.encode("cp1251", errors="xmlcharrefreplace"))
    print(f"{path}: {len(lines) - 2} elements", file=sys.stderr)


def read_csv(data, name):
    with open(os.path.join(data, name), encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f))


def tax_offices(data):
    # The date of the source list (see SOURCES.md); the import writes the date of the import.
    lines = ['<Inspections Version="00" Date="16.07.2019">']
    for row in read_csv(data, "tax_offices.csv"):
        code = row["code"].strip()
        if code[2:4] == "00":
            continue  # regional administrations and the federal service
        lines.append(f'  <Inspection{attrs([("Code", code)])}>{escape(row["name"].strip())}</Inspection>')
    lines.append("</Inspections>")
    return lines


def countries(data):
    lines = ["<Oksm>"]
    for row in read_csv(data, "oksm.csv"):
        lines.append(f'  <Country{attrs([("Code", row["code"])])}>{escape(row["short_name"].strip())}</Country>')
    lines.append("</Oksm>")
    return lines


def activity_kod(row):
    """The section letter followed by the code: every entry's kod begins with its parent's kod."""
    return row["section"] if row["level"] == "1" else row["section"] + row["code"]


def activities(data):
    rows = read_csv(data, "okved.csv")
    by_code = {row["code"]: row for row in rows}
    # The picker finds the entries below an entry by the beginning of their kod; check that this
    # gives exactly the hierarchy of the classifier.
    kods = {row["code"]: activity_kod(row) for row in rows}
    for row in rows:
        parent = row["parent_code"]
        if parent:
            assert kods[row["code"]].startswith(kods[parent]), row
            assert int(row["level"]) == int(by_code[parent]["level"]) + 1, row
    lines = ["<OKVED2>"]
    for row in rows:
        lines.append("  <Item>"
                     f"<GRUP>{row['level']}</GRUP>"
                     f"<Name>{escape(row['name'].strip())}</Name>"
                     f"<Kod>{escape(kods[row['code']])}</Kod>"
                     f"<OKVED>{escape(row['code'])}</OKVED>"
                     "</Item>")
    lines.append("</OKVED2>")
    return lines


# Funds, precious metals and codes reserved for testing are not currencies of income.
NOT_INCOME_CURRENCIES = {"XAU", "XAG", "XPD", "XPT", "XBA", "XBB", "XBC", "XBD", "XTS", "XXX", "XSU",
                         "XUA", "BOV", "CHE", "CHW", "CLF", "COU", "MXV", "USN", "UYI", "UYW", "RUB"}
# Currencies that were quoted in 2013 and are withdrawn now (historic in ISO 4217).
QUOTED_IN_2013 = {"974", "440", "428"}


def rate_text(value):
    return f"{value:.4f}".replace(".", ",")


def currency_rates(data):
    names = {}
    for row in read_csv(data, "currencies.csv"):
        if row["char_code"] in NOT_INCOME_CURRENCIES:
            continue
        if row["iso4217_list"] == "current" or row["num_code"] in QUOTED_IN_2013:
            names.setdefault(row["num_code"], row["name"])
    rates = {}
    quantity = {}
    for row in read_csv(data, "cbr_rates_2013_2014.csv"):
        code = row["num_code"]
        nominal = int(row["nominal"])
        # The quantity of a currency is its usual nominal; rows quoted for another nominal are
        # converted to it.
        quantity.setdefault(code, nominal)
        rate = Decimal(row["rate"]) * quantity[code] / nominal
        year, month, day = row["date"].split("-")
        rates.setdefault(code, []).append((f"{day}.{month}.{year}", rate))
    for code in rates:
        assert code in names, code
    lines = ["<CurrencyRates>"]
    for code in sorted(names):
        pairs = [("Code", code), ("Name", names[code]), ("Quantity", str(quantity.get(code, 1)))]
        if code not in rates:
            lines.append(f"  <Currency{attrs(pairs)}/>")
            continue
        lines.append(f"  <Currency{attrs(pairs)}>")
        for date, rate in rates[code]:
            lines.append(f'    <Rate Date="{date}" Rate="{rate_text(rate)}"/>')
        lines.append("  </Currency>")
    lines.append("</CurrencyRates>")
    return lines


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--data", default=os.path.join(here, "..", "..", "shared", "data"),
                        help="folder of the CSV files")
    parser.add_argument("--out", default=os.path.join(here, ".."), help="root of the repository")
    args = parser.parse_args()
    out = os.path.abspath(args.out)
    write_xml(os.path.join(out, "data", "InspectionNumbers.xml"), tax_offices(args.data))
    write_xml(os.path.join(out, "data", "Oksm.xml"), countries(args.data))
    write_xml(os.path.join(out, "data", "Sp_OKVED2.xml"), activities(args.data))
    write_xml(os.path.join(out, "data", "CurrencyRates.xml"), currency_rates(args.data))
    write_xml(os.path.join(out, "resources", "directories", "IncomeDict.xml"),
              income_dictionary(read_csv(args.data, "income_codes_2016.csv")))


if __name__ == "__main__":
    main()
