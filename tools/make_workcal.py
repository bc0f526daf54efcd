#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Дневной рельс
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes resources/workcal.txt, the official working year of Russia.

    tools/make_workcal.py [output]      (needs python3-workalendar: tools/deps.sh data)

The holidays of article 112 of the Labour Code come from python3-workalendar;
it knows no decrees, so the days each year's decree moves, the weekend days it
makes working and its shortened days are kept in DECREES below, copied from
the published decrees. Years without a decree get the Labour Code's rules
(a holiday on a weekend moves to the next working day, except the New-Year
ones; the working day before a holiday is one hour shorter).

Every year is checked against the published working days and 40-hour norm
before anything is written; a mismatch stops the script.
"""
import datetime
import sys

from workalendar.europe import Russia

# Names as the official production calendars print them, by (month, day).
NAMES = {
    (1, 1): "Новогодние каникулы", (1, 2): "Новогодние каникулы",
    (1, 3): "Новогодние каникулы", (1, 4): "Новогодние каникулы",
    (1, 5): "Новогодние каникулы", (1, 6): "Новогодние каникулы",
    (1, 7): "Рождество Христово", (1, 8): "Новогодние каникулы",
    (2, 23): "День защитника Отечества", (3, 8): "Международный женский день",
    (5, 1): "Праздник Весны и Труда", (5, 9): "День Победы",
    (6, 12): "День России", (11, 4): "День народного единства",
}

D = datetime.date

# year: (decree, {day off: weekend day it was moved from}, working weekend
# days, shortened days). The shortened days are listed, not derived: when the
# day before a holiday is itself made a day off, its short hour goes to the
# working weekend day it was swapped with.
DECREES = {
    2021: ("постановление Правительства РФ от 10.10.2020 о переносе выходных дней в 2021 году",
           {D(2021, 11, 5): D(2021, 1, 2), D(2021, 12, 31): D(2021, 1, 3),
            D(2021, 2, 22): D(2021, 2, 20), D(2021, 5, 3): D(2021, 5, 1),
            D(2021, 5, 10): D(2021, 5, 9), D(2021, 6, 14): D(2021, 6, 12)},
           [D(2021, 2, 20)],
           [D(2021, 2, 20), D(2021, 4, 30), D(2021, 6, 11), D(2021, 11, 3)]),
    2022: ("постановление Правительства РФ от 16.09.2021 о переносе выходных дней в 2022 году",
           {D(2022, 5, 3): D(2022, 1, 1), D(2022, 5, 10): D(2022, 1, 2),
            D(2022, 3, 7): D(2022, 3, 5), D(2022, 5, 2): D(2022, 5, 1),
            D(2022, 6, 13): D(2022, 6, 12)},
           [D(2022, 3, 5)],
           [D(2022, 2, 22), D(2022, 3, 5), D(2022, 11, 3)]),
    2023: ("постановление Правительства РФ от 29.08.2022 № 1505",
           {D(2023, 2, 24): D(2023, 1, 1), D(2023, 5, 8): D(2023, 1, 8),
            D(2023, 11, 6): D(2023, 11, 4)},
           [], [D(2023, 2, 22), D(2023, 3, 7), D(2023, 11, 3)]),
    2024: ("постановление Правительства РФ от 10.08.2023 № 1314",
           {D(2024, 5, 10): D(2024, 1, 6), D(2024, 12, 31): D(2024, 1, 7),
            D(2024, 4, 29): D(2024, 4, 27), D(2024, 4, 30): D(2024, 11, 2),
            D(2024, 12, 30): D(2024, 12, 28)},
           [D(2024, 4, 27), D(2024, 11, 2), D(2024, 12, 28)],
           [D(2024, 2, 22), D(2024, 3, 7), D(2024, 5, 8), D(2024, 6, 11), D(2024, 11, 2)]),
    2025: ("постановление Правительства РФ от 04.10.2024 № 1335",
           {D(2025, 5, 2): D(2025, 1, 4), D(2025, 12, 31): D(2025, 1, 5),
            D(2025, 5, 8): D(2025, 2, 23), D(2025, 6, 13): D(2025, 3, 8),
            D(2025, 11, 3): D(2025, 11, 1)},
           [D(2025, 11, 1)],
           [D(2025, 3, 7), D(2025, 4, 30), D(2025, 6, 11), D(2025, 11, 1)]),
    2026: ("постановление Правительства РФ от 24.09.2025 о переносе выходных дней в 2026 году",
           {D(2026, 1, 9): D(2026, 1, 3), D(2026, 12, 31): D(2026, 1, 4),
            D(2026, 3, 9): D(2026, 3, 8), D(2026, 5, 11): D(2026, 5, 9)},
           [], [D(2026, 4, 30), D(2026, 5, 8), D(2026, 6, 11), D(2026, 11, 3)]),
}

# Published yearly totals for a five-day week: working days, 40-hour norm.
PUBLISHED = {2021: (247, 1972), 2022: (247, 1973), 2023: (247, 1973), 2024: (248, 1979), 2025: (247, 1972), 2026: (247, 1972)}

# Years after the last decree, by the rules, marked as not yet fixed.
RULE_YEARS = range(2027, 2031)


def holidays(year):
    """The article 112 holidays of year from the source, with their names.

    The source also lists some years' decreed days off as holidays (2020,
    2021); those come from DECREES here, as for every other year."""
    days = {}
    for day, _label in Russia().get_fixed_holidays(year):
        if (day.month, day.day) in NAMES:
            days[day] = NAMES[(day.month, day.day)]
    if len(days) != len(NAMES):
        raise SystemExit(f"{year}: the source lists {len(days)} holidays, not {len(NAMES)}")
    return days


def is_weekend(day):
    return day.weekday() >= 5


def by_rules(year, fixed):
    """Days off and short days by the Labour Code alone."""
    off = {}
    for day in sorted(fixed):
        if not is_weekend(day) or day.month == 1 and day.day <= 8:
            continue
        moved = day + datetime.timedelta(days=1)
        while is_weekend(moved) or moved in fixed or moved in off:
            moved += datetime.timedelta(days=1)
        off[moved] = day
    shorts = []
    for day in fixed:
        before = day - datetime.timedelta(days=1)
        if before.year == year and not is_weekend(before) and before not in fixed \
                and before not in off:
            shorts.append(before)
    # 1 January of the next year.
    last = D(year, 12, 31)
    if not is_weekend(last) and last not in off:
        shorts.append(last)
    return off, [], sorted(shorts)


def totals(year, fixed, off, work, shorts):
    working = 0
    day = D(year, 1, 1)
    while day.year == year:
        if day in work or not (is_weekend(day) or day in fixed or day in off):
            working += 1
        day += datetime.timedelta(days=1)
    return working, working * 8 - len(shorts)


def year_lines(year, kind, fixed, off, work, shorts):
    rows = [(d, "holiday", name) for d, name in fixed.items()]
    rows += [(d, "off", f"перенесённый выходной (с {src.day:02}.{src.month:02})")
             for d, src in off.items()]
    rows += [(d, "work", "") for d in work]
    rows += [(d, "short", "") for d in shorts]
    order = {"holiday": 0, "off": 1, "work": 2, "short": 3}
    rows.sort(key=lambda r: (r[0], order[r[1]]))
    lines = [f"year {year} {kind}"]
    lines += [f"{d.isoformat()} {k} {t}".rstrip() for d, k, t in rows]
    return lines


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "resources/workcal.txt"
    import workalendar
    source = f"python3-workalendar {getattr(workalendar, '__version__', '17.0.0')}"
    body = []
    for year, (decree, off, work, shorts) in sorted(DECREES.items()):
        fixed = holidays(year)
        got = totals(year, fixed, off, work, shorts)
        if got != PUBLISHED[year]:
            raise SystemExit(f"{year}: {got} against the published {PUBLISHED[year]}")
        body += [f"# {year}: {decree}"] + year_lines(year, "decree", fixed, off, work, shorts)
    for year in RULE_YEARS:
        fixed = holidays(year)
        body += [f"# {year}: по правилам Трудового кодекса, постановления ещё нет"]
        body += year_lines(year, "rules", fixed, *by_rules(year, fixed))
    decreed = ", ".join(str(y) for y in sorted(DECREES))
    header = [
        "dayrail-workcal 1",
        "# Производственный календарь Российской Федерации (пятидневная рабочая неделя).",
        f"# Источник праздников статьи 112 ТК РФ: {source}; переносы, рабочие выходные",
        "# и сокращённые дни взяты из опубликованных постановлений Правительства РФ",
        "# (в источнике их нет). Сделан tools/make_workcal.py, итоги сверены с",
        "# опубликованными числами рабочих дней и часов.",
        f"# Годы: {min(DECREES)}-{max(RULE_YEARS)}. По постановлению: {decreed}.",
        f"# По правилам ТК РФ, ещё не утверждены: {min(RULE_YEARS)}-{max(RULE_YEARS)}.",
        "# Строки: «year ГГГГ decree|rules», затем «ГГГГ-ММ-ДД вид [название]», вид:",
        "# holiday (нерабочий праздник), off (перенесённый выходной), work (рабочий",
        "# выходной день), short (сокращённый на час рабочий день).",
    ]
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(header + body) + "\n")


if __name__ == "__main__":
    main()
