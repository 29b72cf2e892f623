// The Japanese lunisolar calendar of 1980-2099 from the generated month table, and its rokuyo.
#pragma once

struct LunarDate {
    int nYear;   // the lunar year, named after the solar year its first month begins in
    int nMonth;  // 1-12
    int nDay;    // 1-30
    int bLeap;   // 1 in a leap month, which repeats the number of the month before it
};

// 1 and the lunar date for a date of 1980-2099; 0 outside those years or for a date that does not exist.
int GetLunarDate(int nYear, int nMonth, int nDay, LunarDate *pLunar);

// (lunar month + lunar day) mod 6, so lunar 1/1 is "先勝"; outside the table, the fixed formula.
int GetLunarRokuyoIndex(int nYear, int nMonth, int nDay);

// The rokuyo index the calendar page uses: from the lunar date when bLunarRokuyo is set, else the fixed formula.
int ChooseRokuyoIndex(int bLunarRokuyo, int nYear, int nMonth, int nDay);
