#!/usr/bin/python3
"""Writes calendar/lunartable.inc, the months of the Japanese lunisolar calendar of 1980-2099, and
calendar/equinoxtable.inc, the days of the equinoxes in Japan Standard Time from 1948 to 2099.

Needs Debian's python3-ephem (only to regenerate the tables; nothing else reads this script).
Rules: a month starts on the day, in Japan Standard Time, of the new moon; the month that holds
the winter solstice is the 11th; between two such months, when they are 13 months apart, the
first month without a principal solar term is a leap month and repeats the number before it.
The last rule is how 2033 comes out with a leap 11th month, the resolution most calendars use
where the plain rules break down (they would ask for a leap 7th month and an 11th month
without the solstice at once).
"""
import math
import os
import sys

import ephem

JST = 9 / 24.0
FIRST_LUNAR_YEAR = 1979  # 1 January 1980 lies in the lunar year that began in 1979
LAST_LUNAR_YEAR = 2099
FIRST_EQUINOX_YEAR = 1948  # the year of the holiday law


def jst_day(date):
    """ephem date (UTC) -> the JST calendar day as a proleptic Gregorian day number since 1970."""
    y, m, d = ephem.Date(date + JST).tuple()[:3]
    return days_from_civil(y, m, int(d))


def days_from_civil(y, m, d):
    y -= m <= 2
    era = y // 400
    yoe = y - era * 400
    doy = (153 * (m + (-3 if m > 2 else 9)) + 2) // 5 + d - 1
    doe = yoe * 365 + yoe // 4 - yoe // 100 + doy
    return era * 146097 + doe - 719468


def civil_from_days(n):
    z = n + 719468
    era = z // 146097
    doe = z - era * 146097
    yoe = (doe - doe // 1460 + doe // 36524 - doe // 146096) // 365
    doy = doe - (365 * yoe + yoe // 4 - yoe // 100)
    mp = (5 * doy + 2) // 153
    d = doy - (153 * mp + 2) // 5 + 1
    m = mp + 3 if mp < 10 else mp - 9
    return yoe + era * 400 + (m <= 2), m, d


def sun_longitude(date):
    """Apparent longitude of date: ra and dec carry nutation and aberration, which the astrometric
    position lacks; leaving them out puts an equinox up to a quarter of an hour off."""
    sun = ephem.Sun(date)
    return math.degrees(ephem.Ecliptic(ephem.Equatorial(sun.ra, sun.dec, epoch=date)).lon)


def principal_term(target, guess):
    """The moment the Sun's apparent longitude of date reaches target degrees, near guess."""
    date = guess
    for _ in range(50):
        diff = (target - sun_longitude(date) + 180) % 360 - 180
        step = diff / 360 * 365.2422
        date += step
        if abs(step) < 1e-7:
            break
    return ephem.Date(date)


def main():
    start, end = ephem.Date('1978/11/01'), ephem.Date('2100/04/01')
    new_moons = []
    date = start
    while date < end:
        date = ephem.next_new_moon(date)
        new_moons.append(jst_day(date))
        date = ephem.Date(date + 1)

    terms = []  # (day, longitude)
    date = ephem.next_solstice(ephem.Date('1978/12/01'))  # the winter solstice of 1978
    longitude = 270
    while date < end:
        terms.append((jst_day(date), longitude))
        longitude = (longitude + 30) % 360
        date = principal_term(longitude, date + 30.4)

    def month_of(day):
        for i in range(len(new_moons) - 1):
            if new_moons[i] <= day < new_moons[i + 1]:
                return i
        raise ValueError(day)

    has_term = [False] * (len(new_moons) - 1)
    solstice_months = []
    for day, longitude in terms:
        if day >= new_moons[-1]:
            break
        i = month_of(day)
        has_term[i] = True
        if longitude == 270:
            solstice_months.append(i)

    leap = set()
    for a, b in zip(solstice_months, solstice_months[1:]):
        if b - a == 13:
            leap.add(next(i for i in range(a + 1, b) if not has_term[i]))

    # Number every month from the first 11th month on.
    numbers = {}
    number = 11
    for i in range(solstice_months[0], len(new_moons) - 1):
        if i == solstice_months[0]:
            numbers[i] = (11, False)
        elif i in leap:
            numbers[i] = (number, True)
        else:
            number = number % 12 + 1
            numbers[i] = (number, False)

    years = {}
    for i, (number, is_leap) in numbers.items():
        if number == 1 and not is_leap:
            year = civil_from_days(new_moons[i])[0]
            months, leap_month = [], 0
            j = i
            while True:
                n, lp = numbers.get(j, (None, None))
                if n is None or (j != i and n == 1 and not lp):
                    break
                if lp:
                    leap_month = n
                months.append(new_moons[j + 1] - new_moons[j])
                j += 1
            years[year] = (new_moons[i], months, leap_month)

    assert years[2033][2] == 11, 'expected the leap 11th month of 2033'
    assert years[2023][2] == 2 and years[2025][2] == 6
    assert civil_from_days(years[2026][0]) == (2026, 2, 17)

    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'calendar', 'lunartable.inc')
    with open(out, 'w', encoding='utf-8') as f:
        f.write('// Generated by tools/lunargen.py (python3-ephem ' + ephem.__version__ + '): one lunar year a line,\n')
        f.write('// from the one that begins in 1979. Bits 0-12: the months in order, leap month included, 1 for\n')
        f.write('// 30 days and 0 for 29; bits 13-16: the leap month\'s number, 0 for none; bits 17-22: the new\n')
        f.write('// year\'s day as days after 1 January. 2033 has its leap 11th month by the rule of the generator.\n')
        for year in range(FIRST_LUNAR_YEAR, LAST_LUNAR_YEAR + 1):
            first, months, leap_month = years[year]
            assert len(months) == (13 if leap_month else 12), year
            bits = sum(1 << k for k, n in enumerate(months) if n == 30)
            offset = first - days_from_civil(year, 1, 1)
            assert 0 <= offset < 64 and all(n in (29, 30) for n in months)
            word = bits | leap_month << 13 | offset << 17
            y, m, d = civil_from_days(first)
            note = f'leap {leap_month}' if leap_month else 'no leap'
            f.write(f'    0x{word:08X},  // {year}: 1/1 = {y}-{m:02}-{d:02}, {note}\n')
    print('wrote', os.path.normpath(out), file=sys.stderr)
    write_equinoxes()


def write_equinoxes():
    """The holiday is the day in Japan Standard Time of solar longitude 0 and 180 degrees."""
    rows = []
    for year in range(FIRST_EQUINOX_YEAR, LAST_LUNAR_YEAR + 1):
        days = []
        for month, longitude in ((3, 0), (9, 180)):
            y, m, d = civil_from_days(jst_day(principal_term(longitude, ephem.Date(f'{year}/{month}/21'))))
            assert (y, m) == (year, month), year
            days.append(d)
        if year >= 1980:  # the rule the fixed tables of 1980-2099 were made by
            n = year - 1980
            assert days == [int(20.8431 + 0.242194 * n - n // 4), int(23.2488 + 0.242194 * n - n // 4)], year
        rows.append(f'    {{{days[0]}, {days[1]}}},  // {year}\n')

    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'calendar', 'equinoxtable.inc')
    with open(out, 'w', encoding='utf-8') as f:
        f.write('// Generated by tools/lunargen.py (python3-ephem ' + ephem.__version__ + '): the day of March and\n')
        f.write('// the day of September of the equinoxes in Japan Standard Time, one year a line from 1948.\n')
        f.writelines(rows)
    print('wrote', os.path.normpath(out), file=sys.stderr)


if __name__ == '__main__':
    main()
