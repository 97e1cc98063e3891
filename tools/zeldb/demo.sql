-- Demo data set of the printing house: reference data, warehouse and orders.
-- Run after the schema; the settings row OBSH KOD = 1 exists already.

-- USERS: users and roles (0 administrator, 1 manager, 2 technologist)
insert into USERS (KOD_USER, NAME_USER, PASS_USER, TIP_USER) values (1, 'admin', 'admin', 0);
insert into USERS (KOD_USER, NAME_USER, PASS_USER, TIP_USER) values (2, 'Иванова', '1111', 1);
insert into USERS (KOD_USER, NAME_USER, PASS_USER, TIP_USER) values (3, 'Смирнов', '2222', 1);
insert into USERS (KOD_USER, NAME_USER, PASS_USER, TIP_USER) values (4, 'Петров', '3333', 2);

-- OBSH: general settings
update OBSH set DIRECT = 'Воронцов Алексей Петрович', OSNVAL = 'руб.', DOPVAL = 'USD', NDS = 20, SOCOTCH = 30, ENRGCOST = 7.2, TIP_CALCFOLG = 0, COSTRENT = 180, TIPRENTAB = 0, TIPSROKIZG = 1, TIPNDS = 0, NAMEORG = 'Типография ООО "Печатный двор"', INN = '7716345812' where KOD = 1;

-- MACHINE: printing presses (TIP 0)
insert into MACHINE (KOD, TIP, NAME, MAXSPEED, COST, LEN, WID, PRILAD1, PRILAD2, PAINT, AMORT, POWER, TRUDVSPOM, CHIMVCHAS, TIPNAKL, PRILAD1PLAST) values (1, 0, 'Heidelberg GTO 52-4', 8000, 1400, 520, 360, 0.3, 0.2, 4, 0.12, 18, 15, 45, 0, 10);
insert into MACHINE (KOD, TIP, NAME, MAXSPEED, COST, LEN, WID, PRILAD1, PRILAD2, PAINT, AMORT, POWER, TRUDVSPOM, CHIMVCHAS, TIPNAKL, PRILAD1PLAST) values (2, 0, 'Heidelberg Speedmaster SM 74-4', 15000, 2600, 740, 530, 0.4, 0.25, 4, 0.2, 42, 20, 80, 1, 15);
insert into MACHINE (KOD, TIP, NAME, MAXSPEED, COST, LEN, WID, PRILAD1, PRILAD2, PAINT, AMORT, POWER, TRUDVSPOM, CHIMVCHAS, TIPNAKL, PRILAD1PLAST) values (3, 0, 'Ryobi 522 HX', 13000, 950, 520, 365, 0.25, 0.15, 2, 0.08, 11.5, 10, 30, 2, 8);

-- MACHINE: finishing machines (TIP 1 lamination .. 9 stitching); PRILAD1 = overhead, PRILAD2 = make-ready, TIPNAKL = 0 by time, 1 by sheets, 2 by copies
insert into MACHINE (KOD, TIP, NAME, COST, MAXSPEED, PRILAD1, PRILAD2, TIPNAKL) values (4, 1, 'Ламинатор GMP Excelam-Q 655RM', 650, 700, 120, 0.3, 0);
insert into MACHINE (KOD, TIP, NAME, COST, MAXSPEED, PRILAD1, PRILAD2, TIPNAKL) values (5, 1, 'Ламинатор пакетный Bulros FM-360', 3.5, 0, 0.4, 150, 1);
insert into MACHINE (KOD, TIP, NAME, COST, MAXSPEED, PRILAD1, PRILAD2, TIPNAKL) values (6, 2, 'УФ-лакировальная машина TUV-650', 750, 1200, 130, 0.4, 0);
insert into MACHINE (KOD, TIP, NAME, COST, MAXSPEED, PRILAD1, PRILAD2, TIPNAKL) values (7, 2, 'Лак. секция SM 74 (ВД-лак)', 0.9, 0, 0.1, 200, 1);
insert into MACHINE (KOD, TIP, NAME, COST, MAXSPEED, PRILAD1, PRILAD2, TIPNAKL) values (8, 3, 'Фальцовщик Horizon AFC-544', 550, 4000, 90, 0.5, 0);
insert into MACHINE (KOD, TIP, NAME, COST, MAXSPEED, PRILAD1, PRILAD2, TIPNAKL) values (9, 3, 'Фальцовка ручная', 0.6, 0, 0.05, 0, 2);
insert into MACHINE (KOD, TIP, NAME, COST, MAXSPEED, PRILAD1, PRILAD2, TIPNAKL) values (10, 4, 'Бумагорезальная машина Polar 78', 700, 3000, 100, 0.25, 0);
insert into MACHINE (KOD, TIP, NAME, COST, MAXSPEED, PRILAD1, PRILAD2, TIPNAKL) values (11, 4, 'Резак Ideal 4850', 0.12, 0, 0.02, 50, 1);
insert into MACHINE (KOD, TIP, NAME, COST, MAXSPEED, PRILAD1, PRILAD2, TIPNAKL) values (12, 5, 'Листоподборщик Horizon VAC-100', 600, 2500, 80, 0.4, 0);
insert into MACHINE (KOD, TIP, NAME, COST, MAXSPEED, PRILAD1, PRILAD2, TIPNAKL, TIPLISTCHAS) values (13, 6, 'Тигель Heidelberg OHT (тиснение)', 950, 2500, 150, 0.75, 0, 0);
insert into MACHINE (KOD, TIP, NAME, COST, MAXSPEED, PRILAD1, PRILAD2, TIPNAKL, TIPLISTCHAS) values (14, 6, 'Пресс для тиснения Grafo Press', 1.5, 1200, 100, 0.5, 0, 1);
insert into MACHINE (KOD, TIP, NAME, COST, MAXSPEED, PRILAD1, PRILAD2, TIPNAKL) values (15, 7, 'Тигель Heidelberg OHT (высечка)', 1000, 2800, 150, 1, 0);
insert into MACHINE (KOD, TIP, NAME, COST, MAXSPEED, PRILAD1, PRILAD2, TIPNAKL) values (16, 7, 'Высекальный автомат Bobst SP 102', 1800, 5000, 250, 1.5, 0);
insert into MACHINE (KOD, TIP, NAME, COST, MAXSPEED, PRILAD1, PRILAD2, TIPNAKL) values (17, 8, 'Клеевой биндер Horizon BQ-270', 6.5, 0, 0.5, 400, 2);
insert into MACHINE (KOD, TIP, NAME, COST, MAXSPEED, PRILAD1, PRILAD2, TIPNAKL) values (18, 8, 'Фальцесклеивающая линия', 0.9, 0, 0.1, 600, 2);
insert into MACHINE (KOD, TIP, NAME, COST, MAXSPEED, PRILAD1, PRILAD2, TIPNAKL) values (19, 9, 'ВШРА Horizon SPF-200', 800, 2000, 100, 0.5, 0);
insert into MACHINE (KOD, TIP, NAME, COST, MAXSPEED, PRILAD1, PRILAD2, TIPNAKL) values (20, 9, 'Проволокошвейная машина Hohner', 1.2, 0, 0.1, 150, 2);

-- TIPPECH: printing modes of the presses
insert into TIPPECH (KOD, KOD_MACH, NAME, SPEED, KOEF) values (1, 1, 'Стандартный', 6500, 1);
insert into TIPPECH (KOD, KOD_MACH, NAME, SPEED, KOEF) values (2, 1, 'Максимальный', 8000, 1.1);
insert into TIPPECH (KOD, KOD_MACH, NAME, SPEED, KOEF) values (3, 1, 'Картон (от 250 г/м2)', 4500, 1.2);
insert into TIPPECH (KOD, KOD_MACH, NAME, SPEED, KOEF) values (4, 2, 'Стандартный', 12000, 1);
insert into TIPPECH (KOD, KOD_MACH, NAME, SPEED, KOEF) values (5, 2, 'Максимальный', 15000, 1.1);
insert into TIPPECH (KOD, KOD_MACH, NAME, SPEED, KOEF) values (6, 2, 'Картон (от 250 г/м2)', 8000, 1.2);
insert into TIPPECH (KOD, KOD_MACH, NAME, SPEED, KOEF) values (7, 2, 'Тонкая бумага (до 60 г/м2)', 9000, 1.15);
insert into TIPPECH (KOD, KOD_MACH, NAME, SPEED, KOEF) values (8, 3, 'Стандартный', 10000, 1);
insert into TIPPECH (KOD, KOD_MACH, NAME, SPEED, KOEF) values (9, 3, 'Максимальный', 13000, 1.1);

-- NAKLRASX: overhead bands of the presses (GTO: % of press labour, SM 74: per hour, Ryobi: fixed sum)
insert into NAKLRASX (KOD, KOD_MACH, OTLIST, DOLIST, COST) values (1, 1, 0, 1000, 40);
insert into NAKLRASX (KOD, KOD_MACH, OTLIST, DOLIST, COST) values (2, 1, 1000, 5000, 30);
insert into NAKLRASX (KOD, KOD_MACH, OTLIST, DOLIST, COST) values (3, 1, 5000, 20000, 25);
insert into NAKLRASX (KOD, KOD_MACH, OTLIST, DOLIST, COST) values (4, 1, 20000, 1000000, 20);
insert into NAKLRASX (KOD, KOD_MACH, OTLIST, DOLIST, COST) values (5, 2, 0, 2000, 600);
insert into NAKLRASX (KOD, KOD_MACH, OTLIST, DOLIST, COST) values (6, 2, 2000, 10000, 500);
insert into NAKLRASX (KOD, KOD_MACH, OTLIST, DOLIST, COST) values (7, 2, 10000, 50000, 450);
insert into NAKLRASX (KOD, KOD_MACH, OTLIST, DOLIST, COST) values (8, 2, 50000, 1000000, 400);
insert into NAKLRASX (KOD, KOD_MACH, OTLIST, DOLIST, COST) values (9, 3, 0, 1000, 300);
insert into NAKLRASX (KOD, KOD_MACH, OTLIST, DOLIST, COST) values (10, 3, 1000, 5000, 500);
insert into NAKLRASX (KOD, KOD_MACH, OTLIST, DOLIST, COST) values (11, 3, 5000, 20000, 900);
insert into NAKLRASX (KOD, KOD_MACH, OTLIST, DOLIST, COST) values (12, 3, 20000, 1000000, 1500);

-- PRILAD: make-ready waste bands of the presses
insert into PRILAD (KOD, KOD_MACH, OTLIST, DOLIST, PROCENT) values (1, 1, 0, 500, 8);
insert into PRILAD (KOD, KOD_MACH, OTLIST, DOLIST, PROCENT) values (2, 1, 500, 2000, 5);
insert into PRILAD (KOD, KOD_MACH, OTLIST, DOLIST, PROCENT) values (3, 1, 2000, 10000, 3);
insert into PRILAD (KOD, KOD_MACH, OTLIST, DOLIST, PROCENT) values (4, 1, 10000, 1000000, 2);
insert into PRILAD (KOD, KOD_MACH, OTLIST, DOLIST, PROCENT) values (5, 2, 0, 1000, 6);
insert into PRILAD (KOD, KOD_MACH, OTLIST, DOLIST, PROCENT) values (6, 2, 1000, 5000, 4);
insert into PRILAD (KOD, KOD_MACH, OTLIST, DOLIST, PROCENT) values (7, 2, 5000, 20000, 2.5);
insert into PRILAD (KOD, KOD_MACH, OTLIST, DOLIST, PROCENT) values (8, 2, 20000, 1000000, 1.5);
insert into PRILAD (KOD, KOD_MACH, OTLIST, DOLIST, PROCENT) values (9, 3, 0, 500, 7);
insert into PRILAD (KOD, KOD_MACH, OTLIST, DOLIST, PROCENT) values (10, 3, 500, 3000, 4);
insert into PRILAD (KOD, KOD_MACH, OTLIST, DOLIST, PROCENT) values (11, 3, 3000, 1000000, 2.5);

-- PRILADKA: make-ready waste norms of the finishing processes
insert into PRILADKA (KOD, NAME, DOOPR, KOLDOOPR) values (1, 'Ламинирование', 500, 15);
insert into PRILADKA (KOD, NAME, DOOPR, KOLDOOPR) values (2, 'Лакирование', 500, 20);
insert into PRILADKA (KOD, NAME, DOOPR, KOLDOOPR) values (3, 'Фальцовка', 1000, 20);
insert into PRILADKA (KOD, NAME, DOOPR, KOLDOOPR) values (4, 'Резка', 1000, 10);
insert into PRILADKA (KOD, NAME, DOOPR, KOLDOOPR) values (5, 'Тиснение', 300, 30);
insert into PRILADKA (KOD, NAME, DOOPR, KOLDOOPR) values (6, 'Высечка', 300, 40);
insert into PRILADKA (KOD, NAME, DOOPR, KOLDOOPR) values (7, 'Склейка', 500, 20);
insert into PRILADKA (KOD, NAME, DOOPR, KOLDOOPR) values (8, 'Листоподборка', 1000, 10);
insert into PRILADKA (KOD, NAME, DOOPR, KOLDOOPR) values (9, 'Сшивка', 1000, 15);

-- PROCPRILADKA: percentage bands of the make-ready norms
insert into PROCPRILADKA (KOD, KOD_PRILADKA, OTLIST, DOLIST, PROCENT) values (1, 1, 500, 2000, 3);
insert into PROCPRILADKA (KOD, KOD_PRILADKA, OTLIST, DOLIST, PROCENT) values (2, 1, 2000, 10000, 2);
insert into PROCPRILADKA (KOD, KOD_PRILADKA, OTLIST, DOLIST, PROCENT) values (3, 1, 10000, 1000000, 1);
insert into PROCPRILADKA (KOD, KOD_PRILADKA, OTLIST, DOLIST, PROCENT) values (4, 2, 500, 2000, 3.5);
insert into PROCPRILADKA (KOD, KOD_PRILADKA, OTLIST, DOLIST, PROCENT) values (5, 2, 2000, 10000, 2.5);
insert into PROCPRILADKA (KOD, KOD_PRILADKA, OTLIST, DOLIST, PROCENT) values (6, 2, 10000, 1000000, 1.5);
insert into PROCPRILADKA (KOD, KOD_PRILADKA, OTLIST, DOLIST, PROCENT) values (7, 3, 1000, 5000, 2);
insert into PROCPRILADKA (KOD, KOD_PRILADKA, OTLIST, DOLIST, PROCENT) values (8, 3, 5000, 1000000, 1);
insert into PROCPRILADKA (KOD, KOD_PRILADKA, OTLIST, DOLIST, PROCENT) values (9, 4, 1000, 10000, 1);
insert into PROCPRILADKA (KOD, KOD_PRILADKA, OTLIST, DOLIST, PROCENT) values (10, 4, 10000, 1000000, 0.5);
insert into PROCPRILADKA (KOD, KOD_PRILADKA, OTLIST, DOLIST, PROCENT) values (11, 5, 300, 2000, 5);
insert into PROCPRILADKA (KOD, KOD_PRILADKA, OTLIST, DOLIST, PROCENT) values (12, 5, 2000, 10000, 3);
insert into PROCPRILADKA (KOD, KOD_PRILADKA, OTLIST, DOLIST, PROCENT) values (13, 5, 10000, 1000000, 2);
insert into PROCPRILADKA (KOD, KOD_PRILADKA, OTLIST, DOLIST, PROCENT) values (14, 6, 300, 2000, 6);
insert into PROCPRILADKA (KOD, KOD_PRILADKA, OTLIST, DOLIST, PROCENT) values (15, 6, 2000, 10000, 4);
insert into PROCPRILADKA (KOD, KOD_PRILADKA, OTLIST, DOLIST, PROCENT) values (16, 6, 10000, 1000000, 3);
insert into PROCPRILADKA (KOD, KOD_PRILADKA, OTLIST, DOLIST, PROCENT) values (17, 7, 500, 5000, 2);
insert into PROCPRILADKA (KOD, KOD_PRILADKA, OTLIST, DOLIST, PROCENT) values (18, 7, 5000, 1000000, 1);
insert into PROCPRILADKA (KOD, KOD_PRILADKA, OTLIST, DOLIST, PROCENT) values (19, 8, 1000, 1000000, 1);
insert into PROCPRILADKA (KOD, KOD_PRILADKA, OTLIST, DOLIST, PROCENT) values (20, 9, 1000, 10000, 1.5);
insert into PROCPRILADKA (KOD, KOD_PRILADKA, OTLIST, DOLIST, PROCENT) values (21, 9, 10000, 1000000, 1);

-- RABOTY: pre-press (TIP 0) and post-press (TIP 1) works, hours and price per unit
insert into RABOTY (KOD, TIP, NAME, TIMER, CENA) values (1, 0, 'Дизайн макета', 6, 4500);
insert into RABOTY (KOD, TIP, NAME, TIMER, CENA) values (2, 0, 'Верстка (за полосу)', 0.3, 180);
insert into RABOTY (KOD, TIP, NAME, TIMER, CENA) values (3, 0, 'Сканирование', 0.1, 60);
insert into RABOTY (KOD, TIP, NAME, TIMER, CENA) values (4, 0, 'Корректура (за полосу)', 0.15, 80);
insert into RABOTY (KOD, TIP, NAME, TIMER, CENA) values (5, 0, 'Цветоделение и цветокоррекция', 0.2, 150);
insert into RABOTY (KOD, TIP, NAME, TIMER, CENA) values (6, 0, 'Цифровая цветопроба А3', 0.25, 450);
insert into RABOTY (KOD, TIP, NAME, TIMER, CENA) values (7, 0, 'Монтаж и спуск полос', 0.5, 300);
insert into RABOTY (KOD, TIP, NAME, TIMER, CENA) values (8, 1, 'Упаковка в термопленку', 0.003, 0.8);
insert into RABOTY (KOD, TIP, NAME, TIMER, CENA) values (9, 1, 'Упаковка в пачки', 0.001, 0.3);
insert into RABOTY (KOD, TIP, NAME, TIMER, CENA) values (10, 1, 'Доставка по городу', 1.5, 1500);
insert into RABOTY (KOD, TIP, NAME, TIMER, CENA) values (11, 1, 'Нумерация', 0.0006, 0.4);
insert into RABOTY (KOD, TIP, NAME, TIMER, CENA) values (12, 1, 'Перфорация', 0.0005, 0.3);
insert into RABOTY (KOD, TIP, NAME, TIMER, CENA) values (13, 1, 'Скругление углов', 0.0004, 0.25);
insert into RABOTY (KOD, TIP, NAME, TIMER, CENA) values (14, 1, 'Сверление отверстий', 0.0005, 0.35);
insert into RABOTY (KOD, TIP, NAME, TIMER, CENA) values (15, 1, 'Вклейка вкладышей вручную', 0.004, 1.5);

-- GOTIZD: finished formats (0), press sheets (1), parent sheets as bought (2)
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (1, 0, 'А3', 297, 420);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (2, 0, 'А4', 210, 297);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (3, 0, 'А5', 148, 210);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (4, 0, 'А6', 105, 148);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (5, 0, 'А7', 74, 105);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (6, 0, '60x84/16', 143, 205);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (7, 0, '70x100/16', 170, 240);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (8, 0, '84x108/32', 130, 200);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (9, 0, 'Евро', 99, 210);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (10, 0, 'Визитка', 90, 50);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (11, 0, 'Квадрат 200x200', 200, 200);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (12, 1, 'SRA3', 450, 320);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (13, 1, '520x360', 520, 360);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (14, 1, '500x350', 500, 350);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (15, 1, '720x520', 720, 520);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (16, 1, '700x500', 700, 500);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (17, 1, '640x450', 640, 450);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (18, 1, '600x420', 600, 420);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (19, 2, '620x940', 620, 940);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (20, 2, '700x1000', 700, 1000);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (21, 2, '720x1040', 720, 1040);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (22, 2, '640x900', 640, 900);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (23, 2, '600x840', 600, 840);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (24, 2, '720x1020', 720, 1020);
insert into GOTIZD (KOD, KOD_TIP, NAME, LEN, WID) values (25, 2, '500x700', 500, 700);

-- KLIENT: clients
insert into KLIENT (KOD, TIP, NAME, FIO, TEL, RNN, NOTE) values (1, 'Корпоративный', 'ООО "Северная звезда"', 'Орлова Марина Сергеевна', '(495) 321-45-67, 8-916-234-56-78', '7701234561', 'Скидка 5% на повторные тиражи');
insert into KLIENT (KOD, TIP, NAME, FIO, TEL, RNN, NOTE) values (2, 'Издательство', 'Издательство "Книжный мост"', 'Белов Игорь Николаевич', '(495) 610-22-33', '7705987412', 'Договор на 2026 год, оплата по факту');
insert into KLIENT (KOD, TIP, NAME, FIO, TEL, RNN, NOTE) values (3, 'Производство', 'ЗАО "Аква-Вита"', 'Тихонова Елена Викторовна', '(496) 244-18-90, доб. 112', '5003112298', 'Этикетка: цвета строго по шкале Pantone');
insert into KLIENT (KOD, TIP, NAME, FIO, TEL, RNN, NOTE) values (4, 'Производство', 'ООО "Чайный дом"', 'Гусев Павел Андреевич', '(495) 789-01-23, 8-903-555-12-34', '7728456730', null);
insert into KLIENT (KOD, TIP, NAME, FIO, TEL, RNN, NOTE) values (5, 'Рекламное агентство', 'РА "Идея"', 'Соколова Анна Дмитриевна', '(495) 234-56-78', '7714567023', 'Макеты присылает в PDF/X-1a');
insert into KLIENT (KOD, TIP, NAME, FIO, TEL, RNN, NOTE) values (6, 'Бюджетная', 'ГБОУ "Гимназия № 12"', 'Морозова Ольга Ивановна', '(495) 456-32-10', '7719002345', 'Оплата по безналичному расчету, 100% предоплата');
insert into KLIENT (KOD, TIP, NAME, FIO, TEL, RNN, NOTE) values (7, 'Частное лицо', 'ИП Козлов Д.А.', 'Козлов Дмитрий Александрович', '8-926-777-88-99', '500412345678', null);
insert into KLIENT (KOD, TIP, NAME, FIO, TEL, RNN, NOTE) values (8, 'Издательство', 'ООО "Глянец Медиа"', 'Лебедева Светлана Олеговна', '(495) 987-65-43, 8-985-123-45-67', '7702765431', 'Ежемесячный журнал, сдача до 25 числа');
insert into KLIENT (KOD, TIP, NAME, FIO, TEL, RNN, NOTE) values (9, 'Корпоративный', 'АО "СтройИнвест"', 'Никитин Сергей Васильевич', '(495) 111-22-33', '7736123987', null);
insert into KLIENT (KOD, TIP, NAME, FIO, TEL, RNN, NOTE) values (10, 'Разовый', 'Медицинский центр "Здоровье"', 'Кравченко Ирина Юрьевна', '(495) 345-67-89', '7710456781', 'Обращались по рекомендации');
insert into KLIENT (KOD, TIP, NAME, FIO, TEL, RNN, NOTE) values (11, 'Постоянный', 'ООО "ТК Горизонт"', 'Федоров Максим Игоревич', '(495) 222-90-90, 8-910-400-50-60', '7707334455', 'Буклеты и каталоги к сезону');

-- PRODUCT: edition names
insert into PRODUCT (KOD, NAME, NOTE) values (1, 'Визитные карточки сотрудников', null);
insert into PRODUCT (KOD, NAME, NOTE) values (2, 'Буклет "Туры выходного дня"', null);
insert into PRODUCT (KOD, NAME, NOTE) values (3, 'Журнал "Город и люди" № 10/2026', 'Ежемесячный городской журнал');
insert into PRODUCT (KOD, NAME, NOTE) values (4, 'Учебное пособие "Основы экономики"', 'Переиздание 2025 года с изменениями');
insert into PRODUCT (KOD, NAME, NOTE) values (5, 'Листовка рекламная "Осенняя распродажа"', null);
insert into PRODUCT (KOD, NAME, NOTE) values (6, 'Этикетка "Аква-Вита" 0,5 л', null);
insert into PRODUCT (KOD, NAME, NOTE) values (7, 'Коробка для чая 100 г', 'Развертка по штампу заказчика');
insert into PRODUCT (KOD, NAME, NOTE) values (8, 'Журнал "Город и люди" № 12/2026', 'Ежемесячный городской журнал');
insert into PRODUCT (KOD, NAME, NOTE) values (9, 'Календарь настенный квартальный 2027', null);
insert into PRODUCT (KOD, NAME, NOTE) values (10, 'Каталог услуг медицинского центра', null);
insert into PRODUCT (KOD, NAME, NOTE) values (11, 'Приглашение на выпускной вечер', null);
insert into PRODUCT (KOD, NAME, NOTE) values (12, 'Этикетка самоклеящаяся "Мед цветочный"', null);
insert into PRODUCT (KOD, NAME, NOTE) values (13, 'Книга в твердом переплете 7БЦ', null);
insert into PRODUCT (KOD, NAME, NOTE) values (14, 'Фирменный бланк А4', null);

-- TIPMATERIALS: material types (TIPVISIBLE 0 warehouse + calculation, 1 warehouse, 2 calculation; TIPDATAGODN 1 = with use-by date)
insert into TIPMATERIALS (KOD, NAME, TIPVISIBLE, TIPDATAGODN) values (1, 'Бумага мелованная', 0, 0);
insert into TIPMATERIALS (KOD, NAME, TIPVISIBLE, TIPDATAGODN) values (2, 'Бумага офсетная', 0, 0);
insert into TIPMATERIALS (KOD, NAME, TIPVISIBLE, TIPDATAGODN) values (3, 'Картон', 0, 0);
insert into TIPMATERIALS (KOD, NAME, TIPVISIBLE, TIPDATAGODN) values (4, 'Самоклеящиеся материалы', 0, 0);
insert into TIPMATERIALS (KOD, NAME, TIPVISIBLE, TIPDATAGODN) values (5, 'Краски', 2, 1);
insert into TIPMATERIALS (KOD, NAME, TIPVISIBLE, TIPDATAGODN) values (6, 'Лаки', 2, 0);
insert into TIPMATERIALS (KOD, NAME, TIPVISIBLE, TIPDATAGODN) values (7, 'Пленки (фотовывод)', 2, 0);
insert into TIPMATERIALS (KOD, NAME, TIPVISIBLE, TIPDATAGODN) values (8, 'Пластины', 0, 0);
insert into TIPMATERIALS (KOD, NAME, TIPVISIBLE, TIPDATAGODN) values (9, 'Клише', 2, 0);
insert into TIPMATERIALS (KOD, NAME, TIPVISIBLE, TIPDATAGODN) values (10, 'Фольга', 0, 0);
insert into TIPMATERIALS (KOD, NAME, TIPVISIBLE, TIPDATAGODN) values (11, 'Конгрев', 2, 0);
insert into TIPMATERIALS (KOD, NAME, TIPVISIBLE, TIPDATAGODN) values (12, 'Пленка для ламинирования', 1, 0);
insert into TIPMATERIALS (KOD, NAME, TIPVISIBLE, TIPDATAGODN) values (13, 'Хозяйственные товары', 1, 0);
insert into TIPMATERIALS (KOD, NAME, TIPVISIBLE, TIPDATAGODN) values (14, 'Химия', 1, 1);

-- MATERIALS: materials by type; PLOTN = grammage (paper), grams per impression of the reference sheet DLINA x SHIRINA (ink, varnish), hours per piece (films, plates)
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, SKLAD, STELAZH, YACHEIKA, MARKA, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (1, 1, 'БМГ-090-7010', 'Бумага мелованная глянцевая 90 г/м2 700x1000', 'кг', 'Основной склад', 'Стеллаж 1', '1-1', 'Magno Gloss', 700, 1000, 90, 142, 200, 827.07);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, SKLAD, STELAZH, YACHEIKA, MARKA, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (2, 1, 'БМГ-130-7210', 'Бумага мелованная глянцевая 130 г/м2 720x1040', 'кг', 'Основной склад', 'Стеллаж 1', '1-2', 'Magno Gloss', 720, 1040, 130, 146.5, 200, 1764.08);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, MARKA, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (3, 1, 'БММ-115-6490', 'Бумага мелованная матовая 115 г/м2 640x900', 'лист', 'Magno Matt', 640, 900, 115, 9.4, 2000, 6000);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (4, 1, 'БМГ-170-7010', 'Бумага мелованная глянцевая 170 г/м2 700x1000', 'кг', 700, 1000, 170, 148, 150, 640);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, SKLAD, STELAZH, YACHEIKA, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (5, 1, 'БМГ-250-6490', 'Бумага мелованная глянцевая 250 г/м2 640x900', 'кг', 'Основной склад', 'Стеллаж 2', '2-1', 640, 900, 250, 152, 100, 398.76);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK, NOTE) values (6, 1, 'БММ-150-6294', 'Бумага мелованная матовая 150 г/м2 620x940', 'лист', 620, 940, 150, 12.6, 1000, 0, 'Ожидается поставка');
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (7, 2, 'БО-065-6084', 'Бумага офсетная 65 г/м2 600x840', 'кг', 600, 840, 65, 96, 300, 900);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, SKLAD, STELAZH, YACHEIKA, MARKA, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (8, 2, 'БО-080-6084', 'Бумага офсетная 80 г/м2 600x840', 'кг', 'Основной склад', 'Стеллаж 3', '3-1', 'Снегурочка', 600, 840, 80, 98, 300, 1286.3);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (9, 2, 'БО-080-6294', 'Бумага офсетная 80 г/м2 620x940', 'кг', 620, 940, 80, 98, 300, 780);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (10, 2, 'БО-120-6294', 'Бумага офсетная 120 г/м2 620x940', 'лист', 620, 940, 120, 7.2, 1000, 0);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, SKLAD, STELAZH, YACHEIKA, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (11, 3, 'КХЭ-270-7210', 'Картон хром-эрзац 270 г/м2 720x1020', 'кг', 'Основной склад', 'Стеллаж 4', '4-1', 720, 1020, 270, 112, 200, 927.49);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (12, 3, 'КМ-300-7010', 'Картон мелованный 300 г/м2 700x1000', 'лист', 700, 1000, 300, 31, 500, 1500);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK, NOTE) values (13, 3, 'КП-1500-7010', 'Картон переплетный 1,5 мм 700x1000', 'лист', 700, 1000, 900, 55, 200, 400, 'Для твердых переплетов');
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (14, 4, 'СК-080-5070', 'Самоклеящаяся бумага полуглянцевая 80 г/м2 500x700', 'лист', 500, 700, 80, 28, 500, 2500);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (15, 4, 'СК-ПП-5070', 'Самоклеящаяся пленка ПП белая 500x700', 'лист', 500, 700, 60, 55, 200, 600);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (16, 4, 'СК-МЕТ-5070', 'Самоклеящаяся бумага металлизированная серебро 500x700', 'лист', 500, 700, 80, 64, 0, 0);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, MARKA, DLINA, SHIRINA, PLOTN, DATAGODN, CENA, NORMAZAPASA, OSTATOK, NOTE) values (17, 5, 'КР-CMYK-01', 'Краски триадные CMYK (комплект, усредненно)', 'кг', 'Sun Chemical', 1000, 1000, 1.2, '2027-10-31', 1500, 10, 46.3, 'Норма 1,2 г на оттиск 1 м2');
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, DATAGODN, CENA, NORMAZAPASA, OSTATOK) values (18, 5, 'КР-C-01', 'Краска триадная Cyan', 'кг', 1000, 1000, 1.2, '2027-10-31', 1450, 5, 12);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, DATAGODN, CENA, NORMAZAPASA, OSTATOK) values (19, 5, 'КР-M-01', 'Краска триадная Magenta', 'кг', 1000, 1000, 1.3, '2027-10-31', 1480, 5, 12);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, DATAGODN, CENA, NORMAZAPASA, OSTATOK) values (20, 5, 'КР-Y-01', 'Краска триадная Yellow', 'кг', 1000, 1000, 1.2, '2027-10-31', 1420, 5, 11.5);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, DATAGODN, CENA, NORMAZAPASA, OSTATOK) values (21, 5, 'КР-K-01', 'Краска триадная Black', 'кг', 1000, 1000, 1, '2027-08-31', 1260, 10, 34.5);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, DATAGODN, CENA, NORMAZAPASA, OSTATOK, NOTE) values (22, 5, 'КР-P871', 'Краска Pantone 871 C (золото)', 'кг', 1000, 1000, 1.8, '2027-03-31', 3900, 0, 0, 'Заказывается под тираж');
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (23, 6, 'ЛК-ВД-01', 'Лак ВД глянцевый', 'кг', 1000, 1000, 4, 420, 20, 118.7);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (24, 6, 'ЛК-УФ-01', 'Лак УФ глянцевый', 'кг', 1000, 1000, 8, 780, 10, 60);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (25, 6, 'ЛК-УФ-02', 'Лак УФ матовый', 'кг', 1000, 1000, 8, 850, 10, 25);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (26, 6, 'ЛК-ОФ-01', 'Лак офсетный матовый (через красочный аппарат)', 'кг', 1000, 1000, 1.5, 1100, 0, 8);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (27, 7, 'ФВ-4532', 'Фотовывод 450x320', 'шт', 450, 320, 0.1, 280, 0, 0);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (28, 7, 'ФВ-5240', 'Фотовывод 520x400', 'шт', 520, 400, 0.12, 380, 0, 0);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (29, 7, 'ФВ-7460', 'Фотовывод 745x605', 'шт', 745, 605, 0.15, 650, 0, 0);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, SKLAD, STELAZH, YACHEIKA, MARKA, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (30, 8, 'ПЛ-CTP-5140', 'Пластина CTP термальная 510x400x0,15', 'шт', 'Участок допечатной подготовки', 'Стеллаж А', 'А-1', 'Kodak Sonora', 510, 400, 0.1, 520, 50, 288);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, SKLAD, STELAZH, YACHEIKA, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (31, 8, 'ПЛ-CTP-7460', 'Пластина CTP термальная 745x605x0,3', 'шт', 'Участок допечатной подготовки', 'Стеллаж А', 'А-2', 745, 605, 0.12, 995, 50, 316);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK, NOTE) values (32, 8, 'ПЛ-ПОЗ-5140', 'Пластина позитивная 510x400x0,15', 'шт', 510, 400, 0.15, 420, 20, 60, 'Под копировальную раму, с фотовыводом');
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (33, 8, 'ПЛ-ПЭ-5140', 'Пластина полиэстровая 510x400', 'шт', 510, 400, 0.08, 180, 0, 0);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, CENA, NORMAZAPASA, OSTATOK, NOTE) values (34, 9, 'КЛ-МГ-7', 'Клише магниевое 7 мм', 'мм2', 100, 70, 0.12, 0, 0, 'Цена за мм2 площади клише');
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, CENA, NORMAZAPASA, OSTATOK, NOTE) values (35, 9, 'КЛ-ЛТ-7', 'Клише латунное гравированное', 'мм2', 100, 70, 0.45, 0, 0, 'Цена за мм2 площади клише');
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, CENA, NORMAZAPASA, OSTATOK, NOTE) values (36, 9, 'КЛ-МД-7', 'Клише медное', 'мм2', 100, 70, 0.3, 0, 0, 'Цена за мм2 площади клише');
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, MARKA, DLINA, SHIRINA, CENA, NORMAZAPASA, OSTATOK) values (37, 10, 'ФЛ-ЗГ-640', 'Фольга золото глянцевое 640 мм x 120 м', 'рул', 'KURZ Luxor 220', 120000, 640, 6800, 2, 5);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, CENA, NORMAZAPASA, OSTATOK) values (38, 10, 'ФЛ-СГ-640', 'Фольга серебро глянцевое 640 мм x 120 м', 'рул', 120000, 640, 6200, 2, 4);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, CENA, NORMAZAPASA, OSTATOK) values (39, 10, 'ФЛ-ЗМ-305', 'Фольга золото матовое 305 мм x 120 м', 'рул', 120000, 305, 3300, 1, 3);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, CENA, NORMAZAPASA, OSTATOK) values (40, 10, 'ФЛ-ГОЛ-640', 'Фольга голографическая 640 мм x 120 м', 'рул', 120000, 640, 11500, 0, 1);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, CENA, NORMAZAPASA, OSTATOK) values (41, 10, 'ФЛ-ЧП-305', 'Фольга пигментная черная 305 мм x 120 м', 'рул', 120000, 305, 2900, 0, 0);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, CENA, NORMAZAPASA, OSTATOK) values (42, 11, 'КГ-ЛТ', 'Конгрев латунный (матрица и контрматрица)', 'шт', 4500, 0, 0);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, CENA, NORMAZAPASA, OSTATOK) values (43, 11, 'КГ-МГ', 'Конгрев магниевый', 'шт', 2500, 0, 0);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, CENA, NORMAZAPASA, OSTATOK) values (44, 11, 'КГ-ПЛ', 'Конгрев полимерный', 'шт', 1800, 0, 0);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (45, 12, 'ПЛН-Г32-320', 'Пленка для ламинации глянцевая 32 мкм 320 мм x 3000 м', 'рул', 3000000, 320, 32, 4200, 2, 5);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (46, 12, 'ПЛН-М32-640', 'Пленка для ламинации матовая 32 мкм 640 мм x 3000 м', 'рул', 3000000, 640, 32, 9800, 1, 3);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DLINA, SHIRINA, PLOTN, CENA, NORMAZAPASA, OSTATOK) values (47, 12, 'ПЛН-СТ30-330', 'Пленка для ламинации Soft Touch 30 мкм 330 мм x 1500 м', 'рул', 1500000, 330, 30, 8900, 0, 0);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, CENA, NORMAZAPASA, OSTATOK) values (48, 13, 'ХТ-001', 'Ветошь обтирочная', 'кг', 120, 10, 40);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, CENA, NORMAZAPASA, OSTATOK) values (49, 13, 'ХТ-002', 'Перчатки нитриловые (пара)', 'шт', 18, 50, 300);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, CENA, NORMAZAPASA, OSTATOK) values (50, 13, 'ХТ-003', 'Скотч упаковочный 48 мм', 'шт', 65, 20, 96);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, SHIRINA, CENA, NORMAZAPASA, OSTATOK) values (51, 13, 'ХТ-004', 'Стрейч-пленка 500 мм', 'рул', 500, 450, 5, 12);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, CENA, NORMAZAPASA, OSTATOK, NOTE) values (52, 13, 'ХТ-005', 'Короб гофрированный 400x300x300', 'шт', 55, 100, 0, 'Закончились, заказать');
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DATAGODN, CENA, NORMAZAPASA, OSTATOK) values (53, 14, 'ХИМ-001', 'Смывка для валов и офсетного полотна', 'л', '2028-01-31', 380, 20, 60);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DATAGODN, CENA, NORMAZAPASA, OSTATOK) values (54, 14, 'ХИМ-002', 'Проявитель для термальных пластин', 'л', '2027-05-31', 290, 20, 80);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DATAGODN, CENA, NORMAZAPASA, OSTATOK) values (55, 14, 'ХИМ-003', 'Добавка в увлажняющий раствор', 'л', '2027-09-30', 450, 10, 25);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DATAGODN, CENA, NORMAZAPASA, OSTATOK) values (56, 14, 'ХИМ-004', 'Гуммирующий раствор для пластин', 'л', '2027-06-30', 320, 5, 10);
insert into MATERIALS (KOD, KOD_TIP, NOMNUMBER, NAME, EDIZM, DATAGODN, CENA, NORMAZAPASA, OSTATOK) values (57, 14, 'ХИМ-005', 'Противоотмарывающий порошок', 'кг', '2028-12-31', 900, 2, 0);

-- POSTAV: suppliers
insert into POSTAV (KOD, NAME, RNN, KONT, PHONE, ADRES, EMAIL) values (1, 'ООО "Бумажный Дом"', '7725011223', 'Зайцев Роман Олегович', '(495) 500-10-20, 8-916-500-10-20', 'г. Москва, ул. Складская, д. 8, стр. 2', 'sales@bumdom.example');
insert into POSTAV (KOD, NAME, RNN, KONT, PHONE, ADRES, EMAIL) values (2, 'ЗАО "Полиграфсервис"', '7713445566', 'Ковалева Татьяна Михайловна', '(495) 640-33-44', 'г. Москва, Дмитровское ш., д. 100, офис 312', 'order@poligrafservis.example');
insert into POSTAV (KOD, NAME, RNN, KONT, PHONE, ADRES, EMAIL) values (3, 'ООО "Краски и Лаки"', '5029876543', 'Андреев Виктор Семенович', '(495) 777-45-45, доб. 3', 'Московская обл., г. Мытищи, ул. Заводская, д. 3', 'info@kraski-laki.example');
insert into POSTAV (KOD, NAME, RNN, KONT, PHONE, ADRES, EMAIL) values (4, 'ООО "Фольга-Центр"', '7720113355', 'Ершова Наталья Петровна', '(495) 320-70-80', 'г. Москва, ул. Электродная, д. 2', 'folga@folgacenter.example');
insert into POSTAV (KOD, NAME, RNN, KONT, PHONE, ADRES, EMAIL) values (5, 'ИП Сергеев А.Н.', '771501234567', 'Сергеев Антон Николаевич', '8-903-100-20-30', 'г. Москва, ул. Рабочая, д. 15, павильон 4', 'sergeev.an@mail.example');

-- MOVE: stock movements (KOD_TIP 1 receipt, 2 issue to an order); OSTATOK = running balance
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (1, 1, 1, '2026-10-01 09:30:00', 'ООО "Бумажный Дом"', 'ООО "Бумажный Дом"', 850, 850, 142);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POKUP, RASXOD, OSTATOK, CENA, KODZAKAZ) values (2, 1, 2, '2026-11-13 09:00:00', '№ 6 - ЗАО "Аква-Вита"', '№ 6 - ЗАО "Аква-Вита"', 22.93, 827.07, 3256.06, 6);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (3, 2, 1, '2026-10-01 09:30:00', 'ООО "Бумажный Дом"', 'ООО "Бумажный Дом"', 1200, 1200, 145);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POKUP, RASXOD, OSTATOK, CENA, KODZAKAZ) values (4, 2, 2, '2026-11-09 10:25:00', '№ 5 - РА "Идея"', '№ 5 - РА "Идея"', 35.92, 1164.08, 5208.4, 5);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (5, 2, 1, '2026-11-10 10:05:00', 'ООО "Бумажный Дом"', 'ООО "Бумажный Дом"', 600, 1764.08, 146.5);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (6, 3, 1, '2026-10-01 09:30:00', 'ООО "Бумажный Дом"', 'ООО "Бумажный Дом"', 6000, 6000, 9.4);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (7, 4, 1, '2026-10-01 09:30:00', 'ООО "Бумажный Дом"', 'ООО "Бумажный Дом"', 640, 640, 148);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (8, 5, 1, '2026-10-01 09:30:00', 'ООО "Бумажный Дом"', 'ООО "Бумажный Дом"', 420, 420, 152);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POKUP, RASXOD, OSTATOK, CENA, KODZAKAZ) values (9, 5, 2, '2026-11-05 09:15:00', '№ 4 - Издательство "Книжный мост"', '№ 4 - Издательство "Книжный мост"', 21.24, 398.76, 3228.48, 4);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (10, 7, 1, '2026-10-02 11:00:00', 'ЗАО "Полиграфсервис"', 'ЗАО "Полиграфсервис"', 900, 900, 96);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (11, 8, 1, '2026-10-02 11:00:00', 'ЗАО "Полиграфсервис"', 'ЗАО "Полиграфсервис"', 1500, 1500, 98);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POKUP, RASXOD, OSTATOK, CENA, KODZAKAZ) values (12, 8, 2, '2026-11-05 09:20:00', '№ 4 - Издательство "Книжный мост"', '№ 4 - Издательство "Книжный мост"', 213.7, 1286.3, 20942.6, 4);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (13, 9, 1, '2026-10-02 11:00:00', 'ЗАО "Полиграфсервис"', 'ЗАО "Полиграфсервис"', 780, 780, 98);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (14, 11, 1, '2026-10-02 11:00:00', 'ЗАО "Полиграфсервис"', 'ЗАО "Полиграфсервис"', 1100, 1100, 112);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POKUP, RASXOD, OSTATOK, CENA, KODZAKAZ) values (15, 11, 2, '2026-11-19 10:00:00', '№ 7 - ООО "Чайный дом"', '№ 7 - ООО "Чайный дом"', 172.51, 927.49, 19321.12, 7);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (16, 12, 1, '2026-10-01 09:30:00', 'ООО "Бумажный Дом"', 'ООО "Бумажный Дом"', 1500, 1500, 31);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (17, 13, 1, '2026-10-02 11:00:00', 'ЗАО "Полиграфсервис"', 'ЗАО "Полиграфсервис"', 400, 400, 55);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (18, 14, 1, '2026-10-02 11:00:00', 'ЗАО "Полиграфсервис"', 'ЗАО "Полиграфсервис"', 2500, 2500, 28);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (19, 15, 1, '2026-10-02 11:00:00', 'ЗАО "Полиграфсервис"', 'ЗАО "Полиграфсервис"', 600, 600, 55);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (20, 17, 1, '2026-10-05 10:20:00', 'ООО "Краски и Лаки"', 'ООО "Краски и Лаки"', 48, 48, 1500);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POKUP, RASXOD, OSTATOK, CENA, KODZAKAZ) values (21, 17, 2, '2026-11-05 10:10:00', '№ 4 - Издательство "Книжный мост"', '№ 4 - Издательство "Книжный мост"', 0.5, 47.5, 750, 4);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POKUP, RASXOD, OSTATOK, CENA, KODZAKAZ) values (22, 17, 2, '2026-11-09 10:40:00', '№ 5 - РА "Идея"', '№ 5 - РА "Идея"', 1.2, 46.3, 1800, 5);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (23, 18, 1, '2026-10-05 10:20:00', 'ООО "Краски и Лаки"', 'ООО "Краски и Лаки"', 12, 12, 1450);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (24, 19, 1, '2026-10-05 10:20:00', 'ООО "Краски и Лаки"', 'ООО "Краски и Лаки"', 12, 12, 1480);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (25, 20, 1, '2026-10-05 10:20:00', 'ООО "Краски и Лаки"', 'ООО "Краски и Лаки"', 11.5, 11.5, 1420);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (26, 21, 1, '2026-10-05 10:20:00', 'ООО "Краски и Лаки"', 'ООО "Краски и Лаки"', 30, 30, 1250);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POKUP, RASXOD, OSTATOK, CENA, KODZAKAZ) values (27, 21, 2, '2026-11-05 10:12:00', '№ 4 - Издательство "Книжный мост"', '№ 4 - Издательство "Книжный мост"', 5.5, 24.5, 6875, 4);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (28, 21, 1, '2026-11-11 09:40:00', 'ООО "Краски и Лаки"', 'ООО "Краски и Лаки"', 10, 34.5, 1260);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (29, 23, 1, '2026-10-05 10:20:00', 'ООО "Краски и Лаки"', 'ООО "Краски и Лаки"', 120, 120, 420);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POKUP, RASXOD, OSTATOK, CENA, KODZAKAZ) values (30, 23, 2, '2026-11-09 10:45:00', '№ 5 - РА "Идея"', '№ 5 - РА "Идея"', 1.3, 118.7, 546, 5);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (31, 24, 1, '2026-10-05 10:20:00', 'ООО "Краски и Лаки"', 'ООО "Краски и Лаки"', 60, 60, 780);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (32, 25, 1, '2026-10-05 10:20:00', 'ООО "Краски и Лаки"', 'ООО "Краски и Лаки"', 25, 25, 850);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (33, 26, 1, '2026-10-05 10:20:00', 'ООО "Краски и Лаки"', 'ООО "Краски и Лаки"', 8, 8, 1100);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (34, 30, 1, '2026-10-02 11:00:00', 'ЗАО "Полиграфсервис"', 'ЗАО "Полиграфсервис"', 300, 300, 520);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POKUP, RASXOD, OSTATOK, CENA, KODZAKAZ) values (35, 30, 2, '2026-11-05 10:00:00', '№ 4 - Издательство "Книжный мост"', '№ 4 - Издательство "Книжный мост"', 4, 296, 2080, 4);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POKUP, RASXOD, OSTATOK, CENA, KODZAKAZ) values (36, 30, 2, '2026-11-09 10:30:00', '№ 5 - РА "Идея"', '№ 5 - РА "Идея"', 8, 288, 4160, 5);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (37, 31, 1, '2026-10-02 11:00:00', 'ЗАО "Полиграфсервис"', 'ЗАО "Полиграфсервис"', 250, 250, 980);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POKUP, RASXOD, OSTATOK, CENA, KODZAKAZ) values (38, 31, 2, '2026-11-05 10:05:00', '№ 4 - Издательство "Книжный мост"', '№ 4 - Издательство "Книжный мост"', 10, 240, 9800, 4);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POKUP, RASXOD, OSTATOK, CENA, KODZAKAZ) values (39, 31, 2, '2026-11-09 10:35:00', '№ 5 - РА "Идея"', '№ 5 - РА "Идея"', 4, 236, 3920, 5);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (40, 31, 1, '2026-11-16 12:30:00', 'ЗАО "Полиграфсервис"', 'ЗАО "Полиграфсервис"', 100, 336, 995);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POKUP, RASXOD, OSTATOK, CENA, KODZAKAZ) values (41, 31, 2, '2026-11-27 11:00:00', '№ 8 - ООО "Глянец Медиа"', '№ 8 - ООО "Глянец Медиа"', 20, 316, 19900, 8);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (42, 32, 1, '2026-10-02 11:00:00', 'ЗАО "Полиграфсервис"', 'ЗАО "Полиграфсервис"', 60, 60, 420);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (43, 37, 1, '2026-10-07 14:10:00', 'ООО "Фольга-Центр"', 'ООО "Фольга-Центр"', 6, 6, 6800);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POKUP, RASXOD, OSTATOK, CENA, KODZAKAZ) values (44, 37, 2, '2026-11-13 09:10:00', '№ 6 - ЗАО "Аква-Вита"', '№ 6 - ЗАО "Аква-Вита"', 1, 5, 6800, 6);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (45, 38, 1, '2026-10-07 14:10:00', 'ООО "Фольга-Центр"', 'ООО "Фольга-Центр"', 4, 4, 6200);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (46, 39, 1, '2026-10-07 14:10:00', 'ООО "Фольга-Центр"', 'ООО "Фольга-Центр"', 3, 3, 3300);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (47, 40, 1, '2026-10-07 14:10:00', 'ООО "Фольга-Центр"', 'ООО "Фольга-Центр"', 1, 1, 11500);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (48, 45, 1, '2026-10-02 11:00:00', 'ЗАО "Полиграфсервис"', 'ЗАО "Полиграфсервис"', 6, 6, 4200);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POKUP, RASXOD, OSTATOK, CENA, KODZAKAZ) values (49, 45, 2, '2026-11-06 14:00:00', '№ 4 - Издательство "Книжный мост"', '№ 4 - Издательство "Книжный мост"', 1, 5, 4200, 4);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (50, 46, 1, '2026-10-02 11:00:00', 'ЗАО "Полиграфсервис"', 'ЗАО "Полиграфсервис"', 3, 3, 9800);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (51, 48, 1, '2026-10-08 16:45:00', 'ИП Сергеев А.Н.', 'ИП Сергеев А.Н.', 40, 40, 120);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (52, 49, 1, '2026-10-08 16:45:00', 'ИП Сергеев А.Н.', 'ИП Сергеев А.Н.', 300, 300, 18);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (53, 50, 1, '2026-10-08 16:45:00', 'ИП Сергеев А.Н.', 'ИП Сергеев А.Н.', 96, 96, 65);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (54, 51, 1, '2026-10-08 16:45:00', 'ИП Сергеев А.Н.', 'ИП Сергеев А.Н.', 12, 12, 450);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (55, 53, 1, '2026-10-05 10:20:00', 'ООО "Краски и Лаки"', 'ООО "Краски и Лаки"', 60, 60, 380);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (56, 54, 1, '2026-10-05 10:20:00', 'ООО "Краски и Лаки"', 'ООО "Краски и Лаки"', 80, 80, 290);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (57, 55, 1, '2026-10-05 10:20:00', 'ООО "Краски и Лаки"', 'ООО "Краски и Лаки"', 25, 25, 450);
insert into MOVE (KOD, KOD_MATERIAL, KOD_TIP, DATA, POST_POKU, POSTAV, PRIXOD, OSTATOK, CENA) values (58, 56, 1, '2026-10-05 10:20:00', 'ООО "Краски и Лаки"', 'ООО "Краски и Лаки"', 10, 10, 320);

-- DOPOSTPECH: pre-press (TIP 0) and post-press (TIP 1) works of the orders
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (1, 3, 0, 1, 'Верстка (за полосу)', 36, 0.3, 180, 10.8, 6480);
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (2, 3, 0, 2, 'Корректура (за полосу)', 36, 0.15, 80, 5.4, 2880);
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (3, 3, 1, 1, 'Упаковка в пачки', 2000, 0.001, 0.3, 2, 600);
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (4, 3, 1, 2, 'Доставка по городу', 2, 1.5, 1500, 3, 3000);
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (5, 4, 0, 1, 'Дизайн макета', 1, 6, 4500, 6, 4500);
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (6, 4, 0, 2, 'Верстка (за полосу)', 160, 0.3, 180, 48, 28800);
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (7, 4, 0, 3, 'Корректура (за полосу)', 160, 0.15, 80, 24, 12800);
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (8, 4, 1, 1, 'Упаковка в пачки', 1000, 0.001, 0.3, 1, 300);
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (9, 4, 1, 2, 'Доставка по городу', 1, 1.5, 1500, 1.5, 1500);
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (10, 5, 0, 1, 'Дизайн макета', 1, 6, 4500, 6, 4500);
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (11, 5, 0, 2, 'Цифровая цветопроба А3', 2, 0.25, 450, 0.5, 900);
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (12, 5, 1, 1, 'Упаковка в пачки', 5000, 0.001, 0.3, 5, 1500);
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (13, 8, 0, 1, 'Верстка (за полосу)', 36, 0.3, 180, 10.8, 6480);
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (14, 8, 0, 2, 'Цветоделение и цветокоррекция', 24, 0.2, 150, 4.8, 3600);
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (15, 8, 1, 1, 'Упаковка в термопленку', 2000, 0.003, 0.8, 6, 1600);
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (16, 8, 1, 2, 'Доставка по городу', 2, 1.5, 1500, 3, 3000);
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (17, 10, 0, 1, 'Дизайн макета', 1, 6, 4500, 6, 4500);
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (18, 10, 0, 2, 'Верстка (за полосу)', 24, 0.3, 180, 7.2, 4320);
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (19, 10, 0, 3, 'Цифровая цветопроба А3', 3, 0.25, 450, 0.75, 1350);
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (20, 10, 1, 1, 'Упаковка в термопленку', 1500, 0.003, 0.8, 4.5, 1200);
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (21, 11, 0, 1, 'Дизайн макета', 1, 6, 4500, 6, 4500);
insert into DOPOSTPECH (KOD, KOD_ZAKAZ, TIP, NUM, NAME, KOLVO, TIMEOPER, CENA, ALLTIME, ALLCENA) values (22, 11, 1, 1, 'Скругление углов', 300, 0.0004, 0.25, 0.12, 75);

-- ZAKAZ: orders (KOD_ARCHIV 0 current, 1 estimates, 2 archive)
insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NUM, NAMEORG, FIO, TEL, NAMEIZD, TIPPROD, KURS, RENT, TIRAZ, FORMAT, LEN, WID, PLEFT, PRIGHT, PSTRLEFT, PSTRRIGHT, PAINT, PLEFT2, PRIGHT2, PSTRLEFT2, PSTRRIGHT2, PAINT2, PAINTPREDL, COSTDOPECH, COSTPRINT, COSTPOSTPECH, TIMEDOPECH, TIMEPRINT, TIMEPOSTPECH, COSTRENT, SEBES, RENTCENA, NDSCENA, STOIM, EXEMP, STOIMDOPVAL, EXEMPDOPVAL, KODMANAGER, NAMEMANAGER, SROKIZG) values (1, 2, '2026-10-05 10:15:00', '1', 'АО "СтройИнвест"', 'Никитин Сергей Васильевич', '(495) 111-22-33', 'Визитные карточки сотрудников', 1, 0, 30, 2000, 'Визитка', 90, 50, 4, 4, '4', '4', '4+4', 0, 0, '0', '0', '0+0', '4+4', 0, 4230.5, 0, 0, 1.92, 0, 345.6, 4230.5, 1269.15, 846.1, 6345.75, 3.17, 0, 0, 2, 'Иванова', '3 рабочих дня');
insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NUM, NAMEORG, FIO, TEL, NAMEIZD, TIPPROD, KURS, RENT, TIRAZ, FORMAT, LEN, WID, PLEFT, PRIGHT, PSTRLEFT, PSTRRIGHT, PAINT, PLEFT2, PRIGHT2, PSTRLEFT2, PSTRRIGHT2, PAINT2, PAINTPREDL, COSTDOPECH, COSTPRINT, COSTPOSTPECH, TIMEDOPECH, TIMEPRINT, TIMEPOSTPECH, COSTRENT, SEBES, RENTCENA, NDSCENA, STOIM, EXEMP, STOIMDOPVAL, EXEMPDOPVAL, KODMANAGER, NAMEMANAGER, NOTE) values (2, 2, '2026-10-09 12:40:00', '2', 'ООО "ТК Горизонт"', 'Федоров Максим Игоревич', '(495) 222-90-90, 8-910-400-50-60', 'Буклет "Туры выходного дня"', 1, 92.5, 25, 3000, 'Евро', 99, 210, 4, 4, '4', '4', '4+4', 0, 0, '0', '0', '0+0', '4+4', 0, 18540, 0, 0, 4.15, 0, 747, 18540, 4635, 3708, 26883, 8.96, 290.63, 0.1, 3, 'Смирнов', 'Фальцовка в два сгиба (евробуклет)');
insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NUM, NAMEORG, FIO, TEL, NAMEIZD, TIPPROD, KURS, RENT, TIRAZ, FORMAT, LEN, WID, PLEFT, PRIGHT, PSTRLEFT, PSTRRIGHT, PAINT, PLEFT2, PRIGHT2, PSTRLEFT2, PSTRRIGHT2, PAINT2, PAINTPREDL, COSTDOPECH, COSTPRINT, COSTPOSTPECH, TIMEDOPECH, TIMEPRINT, TIMEPOSTPECH, COSTRENT, SEBES, RENTCENA, NDSCENA, STOIM, EXEMP, STOIMDOPVAL, EXEMPDOPVAL, KODMANAGER, NAMEMANAGER, SROKIZG) values (3, 2, '2026-10-20 09:30:00', '3', 'ООО "Глянец Медиа"', 'Лебедева Светлана Олеговна', '(495) 987-65-43, 8-985-123-45-67', 'Журнал "Город и люди" № 10/2026', 0, 92.8, 22, 2000, 'А4', 210, 297, 4, 4, '4', '4', '4+4', 4, 4, '4', '4', '4+4', '4+4; 4+4', 9360, 141870.25, 3600, 16.2, 16.48, 5, 6782.4, 154830.25, 34062.66, 30966.05, 219858.96, 109.93, 2369.17, 1.18, 3, 'Смирнов', '7 рабочих дней');
insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NUM, NAMEORG, FIO, TEL, NAMEIZD, TIPPROD, KURS, RENT, TIRAZ, FORMAT, LEN, WID, PLEFT, PRIGHT, PSTRLEFT, PSTRRIGHT, PAINT, PLEFT2, PRIGHT2, PSTRLEFT2, PSTRRIGHT2, PAINT2, PAINTPREDL, COSTDOPECH, COSTPRINT, COSTPOSTPECH, TIMEDOPECH, TIMEPRINT, TIMEPOSTPECH, COSTRENT, SEBES, RENTCENA, NDSCENA, STOIM, EXEMP, STOIMDOPVAL, EXEMPDOPVAL, KODMANAGER, NAMEMANAGER, PAPER, NOTE, SROKIZG) values (4, 0, '2026-11-02 11:05:00', '4', 'Издательство "Книжный мост"', 'Белов Игорь Николаевич', '(495) 610-22-33', 'Учебное пособие "Основы экономики"', 0, 94.1, 25, 1000, '60x84/16', 143, 205, 4, 0, '4', '0', '4+0', 1, 1, '1', '1', '1+1', '4+0; 1+1', 46100, 98452.4, 1800, 78, 14.63, 2.5, 17123.4, 146352.4, 36588.1, 29270.48, 212210.98, 212.21, 2255.16, 2.26, 2, 'Иванова', 'Бумага мелованная глянцевая 250 г/м2 640x900(Бумага мелованная), Бумага офсетная 80 г/м2 600x840(Бумага офсетная) ', 'Обложка с глянцевой ламинацией, блок 160 стр., КБС', '10 рабочих дней');
insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NUM, NAMEORG, FIO, TEL, NAMEIZD, TIPPROD, KURS, RENT, TIRAZ, FORMAT, LEN, WID, PLEFT, PRIGHT, PSTRLEFT, PSTRRIGHT, PAINT, PLEFT2, PRIGHT2, PSTRLEFT2, PSTRRIGHT2, PAINT2, PAINTPREDL, COSTDOPECH, COSTPRINT, COSTPOSTPECH, TIMEDOPECH, TIMEPRINT, TIMEPOSTPECH, COSTRENT, SEBES, RENTCENA, NDSCENA, STOIM, EXEMP, STOIMDOPVAL, EXEMPDOPVAL, KODMANAGER, NAMEMANAGER, PAPER, SROKIZG) values (5, 0, '2026-11-06 15:20:00', '5', 'РА "Идея"', 'Соколова Анна Дмитриевна', '(495) 234-56-78', 'Листовка рекламная "Осенняя распродажа"', 1, 94.1, 25, 5000, 'А5', 148, 210, 4, 4, '4', '4', '4+4', 0, 0, '0', '0', '0+0', '4+4', 5400, 21815.6, 1500, 6.5, 3.84, 5, 2761.2, 28715.6, 7178.9, 5743.12, 41637.62, 8.33, 442.48, 0.09, 3, 'Смирнов', 'Бумага мелованная глянцевая 130 г/м2 720x1040(Бумага мелованная) ', '4 рабочих дня');
insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NUM, NAMEORG, FIO, TEL, NAMEIZD, TIPPROD, KURS, RENT, TIRAZ, FORMAT, LEN, WID, PLEFT, PRIGHT, PSTRLEFT, PSTRRIGHT, PAINT, PLEFT2, PRIGHT2, PSTRLEFT2, PSTRRIGHT2, PAINT2, PAINTPREDL, COSTDOPECH, COSTPRINT, COSTPOSTPECH, TIMEDOPECH, TIMEPRINT, TIMEPOSTPECH, COSTRENT, SEBES, RENTCENA, NDSCENA, STOIM, EXEMP, STOIMDOPVAL, EXEMPDOPVAL, KODMANAGER, NAMEMANAGER, NOTE) values (6, 0, '2026-11-12 10:00:00', '6', 'ЗАО "Аква-Вита"', 'Тихонова Елена Викторовна', '(496) 244-18-90, доб. 112', 'Этикетка "Аква-Вита" 0,5 л', 2, 94.6, 20, 20000, 'А7', 74, 105, 4, 0, '4', '0', '4+0', 0, 0, '0', '0', '0+0', '4+0', 0, 56318.75, 0, 0, 12.41, 0, 2233.8, 56318.75, 11263.75, 11263.75, 78846.25, 3.94, 833.47, 0.04, 3, 'Смирнов', 'Тиснение фольгой золото, УФ-лак, высечка');
insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NUM, NAMEORG, FIO, TEL, NAMEIZD, TIPPROD, KURS, RENT, TIRAZ, FORMAT, LEN, WID, PLEFT, PRIGHT, PSTRLEFT, PSTRRIGHT, PAINT, PLEFT2, PRIGHT2, PSTRLEFT2, PSTRRIGHT2, PAINT2, PAINTPREDL, COSTDOPECH, COSTPRINT, COSTPOSTPECH, TIMEDOPECH, TIMEPRINT, TIMEPOSTPECH, COSTRENT, SEBES, RENTCENA, NDSCENA, STOIM, EXEMP, STOIMDOPVAL, EXEMPDOPVAL, KODMANAGER, NAMEMANAGER, NOTE, SROKIZG) values (7, 0, '2026-11-18 13:45:00', '7', 'ООО "Чайный дом"', 'Гусев Павел Андреевич', '(495) 789-01-23, 8-903-555-12-34', 'Коробка для чая 100 г', 3, 94.6, 25, 3000, 'А3', 297, 420, 4, 0, '4', '0', '4+0', 0, 0, '0', '0', '0+0', '4+0', 0, 64712.3, 0, 0, 11.25, 0, 2025, 64712.3, 16178.08, 12942.46, 93832.84, 31.28, 991.89, 0.33, 2, 'Иванова', 'Штамп изготавливается сторонней организацией', '12 рабочих дней');
insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NUM, NAMEORG, FIO, TEL, NAMEIZD, TIPPROD, KURS, RENT, TIRAZ, FORMAT, LEN, WID, PLEFT, PRIGHT, PSTRLEFT, PSTRRIGHT, PAINT, PLEFT2, PRIGHT2, PSTRLEFT2, PSTRRIGHT2, PAINT2, PAINTPREDL, COSTDOPECH, COSTPRINT, COSTPOSTPECH, TIMEDOPECH, TIMEPRINT, TIMEPOSTPECH, COSTRENT, SEBES, RENTCENA, NDSCENA, STOIM, EXEMP, STOIMDOPVAL, EXEMPDOPVAL, KODMANAGER, NAMEMANAGER, SROKIZG) values (8, 0, '2026-11-25 09:10:00', '8', 'ООО "Глянец Медиа"', 'Лебедева Светлана Олеговна', '(495) 987-65-43, 8-985-123-45-67', 'Журнал "Город и люди" № 12/2026', 0, 95, 22, 2000, 'А4', 210, 297, 4, 4, '4', '4', '4+4', 4, 4, '4', '4', '4+4', '4+4; 4+4', 10080, 148912.6, 4600, 15.6, 17.06, 9, 7498.8, 163592.6, 35990.37, 32718.52, 232301.49, 116.15, 2445.28, 1.22, 3, 'Смирнов', '7 рабочих дней');
insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NAMEORG, FIO, TEL, NAMEIZD, TIPPROD, KURS, RENT, TIRAZ, FORMAT, LEN, WID, PLEFT, PRIGHT, PSTRLEFT, PSTRRIGHT, PAINT, PLEFT2, PRIGHT2, PSTRLEFT2, PSTRRIGHT2, PAINT2, PAINTPREDL, COSTDOPECH, COSTPRINT, COSTPOSTPECH, TIMEDOPECH, TIMEPRINT, TIMEPOSTPECH, COSTRENT, SEBES, RENTCENA, NDSCENA, STOIM, EXEMP, STOIMDOPVAL, EXEMPDOPVAL, KODMANAGER, NAMEMANAGER, NOTE) values (9, 1, '2026-11-27 16:30:00', 'ООО "Северная звезда"', 'Орлова Марина Сергеевна', '(495) 321-45-67, 8-916-234-56-78', 'Календарь настенный квартальный 2027', 1, 95, 30, 500, 'А3', 297, 420, 4, 0, '4', '0', '4+0', 0, 0, '0', '0', '0+0', '4+0', 0, 27405, 0, 0, 6.32, 0, 1137.6, 27405, 8221.5, 5481, 41107.5, 82.22, 432.71, 0.87, 2, 'Иванова', 'Три рекламных поля, курсор в комплекте');
insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NUM, NAMEORG, FIO, TEL, NAMEIZD, TIPPROD, KURS, RENT, TIRAZ, FORMAT, LEN, WID, PLEFT, PRIGHT, PSTRLEFT, PSTRRIGHT, PAINT, PLEFT2, PRIGHT2, PSTRLEFT2, PSTRRIGHT2, PAINT2, PAINTPREDL, COSTDOPECH, COSTPRINT, COSTPOSTPECH, TIMEDOPECH, TIMEPRINT, TIMEPOSTPECH, COSTRENT, SEBES, RENTCENA, NDSCENA, STOIM, EXEMP, STOIMDOPVAL, EXEMPDOPVAL, KODMANAGER, NAMEMANAGER) values (10, 1, '2026-12-01 10:20:00', '', 'Медицинский центр "Здоровье"', 'Кравченко Ирина Юрьевна', '(495) 345-67-89', 'Каталог услуг медицинского центра', 0, 95.3, 25, 1500, 'А4', 210, 297, 4, 4, '4', '4', '4+4', 4, 4, '4', '4', '4+4', '4+4; 4+4', 10170, 118640.8, 1200, 13.95, 13.84, 4.5, 5812.2, 130010.8, 32502.7, 26002.16, 188515.66, 125.68, 1978.13, 1.32, 3, 'Смирнов');
insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NAMEORG, FIO, TEL, NAMEIZD, TIPPROD, KURS, RENT, TIRAZ, FORMAT, LEN, WID, PLEFT, PRIGHT, PSTRLEFT, PSTRRIGHT, PAINT, PLEFT2, PRIGHT2, PSTRLEFT2, PSTRRIGHT2, PAINT2, PAINTPREDL, COSTDOPECH, COSTPRINT, COSTPOSTPECH, TIMEDOPECH, TIMEPRINT, TIMEPOSTPECH, COSTRENT, SEBES, RENTCENA, NDSCENA, STOIM, EXEMP, STOIMDOPVAL, EXEMPDOPVAL, KODMANAGER, NAMEMANAGER, NOTE, SROKIZG) values (11, 1, '2026-12-04 14:00:00', 'ГБОУ "Гимназия № 12"', 'Морозова Ольга Ивановна', '(495) 456-32-10', 'Приглашение на выпускной вечер', 1, 95.3, 30, 300, 'А6', 105, 148, 4, 4, '4', '4', '4+4', 0, 0, '0', '0', '0+0', '4+4', 4500, 9612.4, 75, 6, 3.21, 0.12, 1679.4, 14187.4, 4256.22, 2837.48, 21281.1, 70.94, 223.31, 0.74, 2, 'Иванова', 'Тиснение фольгой серебро по макету заказчика', '5 рабочих дней');
insert into ZAKAZ (KOD, KOD_ARCHIV, DATA, NUM, NAMEORG, FIO, TEL, NAMEIZD, TIPPROD, KURS, RENT, TIRAZ, FORMAT, LEN, WID, PLEFT, PRIGHT, PSTRLEFT, PSTRRIGHT, PAINT, PLEFT2, PRIGHT2, PSTRLEFT2, PSTRRIGHT2, PAINT2, PAINTPREDL, COSTDOPECH, COSTPRINT, COSTPOSTPECH, TIMEDOPECH, TIMEPRINT, TIMEPOSTPECH, COSTRENT, SEBES, RENTCENA, NDSCENA, STOIM, EXEMP, STOIMDOPVAL, EXEMPDOPVAL, KODMANAGER, NAMEMANAGER) values (12, 1, '2026-12-08 11:25:00', '', 'ИП Козлов Д.А.', 'Козлов Дмитрий Александрович', '8-926-777-88-99', 'Этикетка самоклеящаяся "Мед цветочный"', 2, 95.6, 25, 5000, 'А7', 74, 105, 4, 0, '4', '0', '4+0', 0, 0, '0', '0', '0+0', '4+0', 0, 14805.9, 0, 0, 3.47, 0, 624.6, 14805.9, 3701.48, 2961.18, 21468.56, 4.29, 224.57, 0.04, 2, 'Иванова');

-- ZAKPRINT: print parts of the current orders (inputs and make-ready sheets; the calculation fills in the results)
insert into ZAKPRINT (KOD, KOD_ZAKAZ, TIP, NAMETIP, PREDREZ, TIPPREDREZ, TIPDOLYA, RASPOL, VSPOMMATER, TIPCALCPHOTO, TIPCALCPLAST, FORMATIZD, LENIZD, WIDIZD, VSTR, STRNALIST, DBLSIDE, FORMATLIST, LENLIST, WIDLIST, KODLIST, NAMELIST, PLOTNLIST, CENALIST, EDIZMLIST, POSTAVBUM, FORMATPREDREZ, LENPREDREZ, WIDPREDREZ, ZAZORPECH, OTSTPECH, ZAZOR, OTSTIZD, PAINTLEFT, PAINTRIGHT, KODPAINT, NAMEPAINT, NORMRASXPAINT, PRLENPAINT, PRWIDPAINT, CENAKGPAINT, POSTAVPAINT, OBOROT, TIPPHOTOV, TIPPLAST, KODPLAST, NAMEPLAST, POSTAVPLAST, TIMEPLAST, CENASHTPLAST, KODPRINT, NAMEPRINT, POWERPRINT, PAINTPRINT, MAXSPEEDPRINT, PRILAD1PRINT, PRILAD2PRINT, AMORTPRINT, TRUDVSPOMPRINT, COSTHOURPRINT, CHIMVCHAS, TIPNAKL, SPEEDPRINT, KOEFPRINT, NAKLRASX, PRIPR, KODPRIPR, NAMEPRIPR, SPEEDPRIPR, PRILADPRIPR, CENAPRIPR, TIPCALCPRIPR, NAKLPRIPR, TIPPRIPR, TIPREZKA, KODREZKA, NAMEREZKA, SPEEDREZKA, PRILADREZKA, CENAREZKA, TIPCALCREZKA, NAKLREZKA, PRILADLISTPRINT, ITOGOLISTPRILAD) values (1, 4, 0, 'Обложка', 0, 0, 0, 0, 3, 0, 0, '60x84/16', 143, 205, 4, 0, 0, '640x900', 640, 900, 5, 'Бумага мелованная глянцевая 250 г/м2 640x900', 250, 152, 0, 'Бумага мелованная', 'SRA3', 450, 320, 0, 0, 2, 5, 4, 0, 17, 'Краски триадные CMYK (комплект, усредненно)', 1.2, 1000, 1000, 1500, 'Краски', 1, 0, 1, 30, 'Пластина CTP термальная 510x400x0,15', 'Пластины', 0.1, 520, 1, 'Heidelberg GTO 52-4', 18, 4, 8000, 0.3, 0.2, 0.12, 15, 1400, 45, 0, 4500, 1.2, 40, 1, 4, 'Ламинатор GMP Excelam-Q 655RM', 700, 0.3, 650, 0, 120, 0, 1, 10, 'Бумагорезальная машина Polar 78', 3000, 0.25, 700, 0, 100, 65, 90);
insert into ZAKPRINT (KOD, KOD_ZAKAZ, TIP, NAMETIP, PREDREZ, TIPPREDREZ, TIPDOLYA, RASPOL, VSPOMMATER, TIPCALCPHOTO, TIPCALCPLAST, FORMATIZD, LENIZD, WIDIZD, VSTR, STRNALIST, DBLSIDE, FORMATLIST, LENLIST, WIDLIST, KODLIST, NAMELIST, PLOTNLIST, CENALIST, EDIZMLIST, POSTAVBUM, FORMATPREDREZ, LENPREDREZ, WIDPREDREZ, ZAZORPECH, OTSTPECH, ZAZOR, OTSTIZD, PAINTLEFT, PAINTRIGHT, KODPAINT, NAMEPAINT, NORMRASXPAINT, PRLENPAINT, PRWIDPAINT, CENAKGPAINT, POSTAVPAINT, OBOROT, TIPPHOTOV, TIPPLAST, KODPLAST, NAMEPLAST, POSTAVPLAST, TIMEPLAST, CENASHTPLAST, KODPRINT, NAMEPRINT, POWERPRINT, PAINTPRINT, MAXSPEEDPRINT, PRILAD1PRINT, PRILAD2PRINT, AMORTPRINT, TRUDVSPOMPRINT, COSTHOURPRINT, CHIMVCHAS, TIPNAKL, SPEEDPRINT, KOEFPRINT, NAKLRASX, TIPREZKA, KODREZKA, NAMEREZKA, SPEEDREZKA, PRILADREZKA, CENAREZKA, TIPCALCREZKA, NAKLREZKA, TIPFALTS, KODFALTS, NAMEFALTS, SPEEDFALTS, PRILADFALTS, CENAFALTS, TIPCALCFALTS, NAKLFALTS, TIPLISTPOD, KODLISTPOD, NAMELISTPOD, SPEEDLISTPOD, PRILADLISTPOD, CENALISTPOD, TIPCALCLISTPOD, NAKLLISTPOD, TIPSKLEIKA, KODSKLEIKA, NAMESKLEIKA, SPEEDSKLEIKA, PRILADSKLEIKA, CENASKLEIKA, TIPCALCSKLEIKA, NAKLSKLEIKA, PRILADLISTPRINT, ITOGOLISTPRILAD) values (2, 4, 1, 'Тетрадь', 0, 0, 0, 0, 3, 0, 0, '60x84/16', 143, 205, 160, 0, 0, '600x840', 600, 840, 8, 'Бумага офсетная 80 г/м2 600x840', 80, 98, 0, 'Бумага офсетная', '600x420', 600, 420, 0, 0, 2, 0, 1, 1, 21, 'Краска триадная Black', 1, 1000, 1000, 1260, 'Краски', 0, 0, 1, 31, 'Пластина CTP термальная 745x605x0,3', 'Пластины', 0.12, 995, 2, 'Heidelberg Speedmaster SM 74-4', 42, 4, 15000, 0.4, 0.25, 0.2, 20, 2600, 80, 1, 12000, 1, 450, 1, 10, 'Бумагорезальная машина Polar 78', 3000, 0.25, 700, 0, 100, 1, 8, 'Фальцовщик Horizon AFC-544', 4000, 0.5, 550, 0, 90, 1, 12, 'Листоподборщик Horizon VAC-100', 2500, 0.4, 600, 0, 80, 1, 17, 'Клеевой биндер Horizon BQ-270', 0, 400, 6.5, 2, 0.5, 400, 600);
insert into ZAKPRINT (KOD, KOD_ZAKAZ, TIP, NAMETIP, PREDREZ, TIPPREDREZ, TIPDOLYA, RASPOL, VSPOMMATER, TIPCALCPHOTO, TIPCALCPLAST, FORMATIZD, LENIZD, WIDIZD, VSTR, FORMATLIST, LENLIST, WIDLIST, KODLIST, NAMELIST, PLOTNLIST, CENALIST, EDIZMLIST, POSTAVBUM, FORMATPREDREZ, LENPREDREZ, WIDPREDREZ, ZAZORPECH, OTSTPECH, ZAZOR, OTSTIZD, PAINTLEFT, PAINTRIGHT, KODPAINT, NAMEPAINT, NORMRASXPAINT, PRLENPAINT, PRWIDPAINT, CENAKGPAINT, POSTAVPAINT, OBOROT, TIPPHOTOV, TIPPLAST, KODPLAST, NAMEPLAST, POSTAVPLAST, TIMEPLAST, CENASHTPLAST, KODPRINT, NAMEPRINT, POWERPRINT, PAINTPRINT, MAXSPEEDPRINT, PRILAD1PRINT, PRILAD2PRINT, AMORTPRINT, TRUDVSPOMPRINT, COSTHOURPRINT, CHIMVCHAS, TIPNAKL, SPEEDPRINT, KOEFPRINT, NAKLRASX, KODLAK, NAMELAK, NORMRASXLAK, PRLENLAK, PRWIDLAK, CENAKGLAK, POSTAVLAK, LAKIR, TIPLAKIR, KODLAKIR, NAMELAKIR, SPEEDLAKIR, PRILADLAKIR, CENALAKIR, TIPCALCLAKIR, NAKLLAKIR, TIPREZKA, KODREZKA, NAMEREZKA, SPEEDREZKA, PRILADREZKA, CENAREZKA, TIPCALCREZKA, NAKLREZKA, PRILADLISTPRINT, ITOGOLISTPRILAD) values (3, 5, 0, 'Листовка', 0, 0, 0, 0, 3, 0, 0, 'А5', 148, 210, 0, '720x1040', 720, 1040, 2, 'Бумага мелованная глянцевая 130 г/м2 720x1040', 130, 146.5, 0, 'Бумага мелованная', '720x520', 720, 520, 0, 0, 2, 5, 4, 4, 17, 'Краски триадные CMYK (комплект, усредненно)', 1.2, 1000, 1000, 1500, 'Краски', 1, 0, 1, 31, 'Пластина CTP термальная 745x605x0,3', 'Пластины', 0.12, 995, 2, 'Heidelberg Speedmaster SM 74-4', 42, 4, 15000, 0.4, 0.25, 0.2, 20, 2600, 80, 1, 12000, 1, 600, 23, 'Лак ВД глянцевый', 4, 1000, 1000, 420, 'Лаки', 1, 1, 7, 'Лак. секция SM 74 (ВД-лак)', 0, 200, 0.9, 1, 0.1, 1, 10, 'Бумагорезальная машина Polar 78', 3000, 0.25, 700, 0, 100, 153, 182);
insert into ZAKPRINT (KOD, KOD_ZAKAZ, TIP, NAMETIP, PREDREZ, TIPPREDREZ, TIPDOLYA, RASPOL, VSPOMMATER, TIPCALCPHOTO, TIPCALCPLAST, FORMATIZD, LENIZD, WIDIZD, VSTR, FORMATLIST, LENLIST, WIDLIST, KODLIST, NAMELIST, PLOTNLIST, CENALIST, EDIZMLIST, POSTAVBUM, FORMATPREDREZ, LENPREDREZ, WIDPREDREZ, ZAZORPECH, OTSTPECH, ZAZOR, OTSTIZD, PAINTLEFT, PAINTRIGHT, KODPAINT, NAMEPAINT, NORMRASXPAINT, PRLENPAINT, PRWIDPAINT, CENAKGPAINT, POSTAVPAINT, OBOROT, TIPPHOTOV, TIPPLAST, KODPLAST, NAMEPLAST, POSTAVPLAST, TIMEPLAST, CENASHTPLAST, KODPRINT, NAMEPRINT, POWERPRINT, PAINTPRINT, MAXSPEEDPRINT, PRILAD1PRINT, PRILAD2PRINT, AMORTPRINT, TRUDVSPOMPRINT, COSTHOURPRINT, CHIMVCHAS, TIPNAKL, SPEEDPRINT, KOEFPRINT, NAKLRASX, KODLAK, NAMELAK, NORMRASXLAK, PRLENLAK, PRWIDLAK, CENAKGLAK, POSTAVLAK, LAKIR, TIPLAKIR, KODLAKIR, NAMELAKIR, SPEEDLAKIR, PRILADLAKIR, CENALAKIR, TIPCALCLAKIR, NAKLLAKIR, TIPVYS, KODVYS, NAMEVYS, SPEEDVYS, PRILADVYS, CENAVYS, TIPCALCVYS, NAKLVYS, PROGONVYS, TIPREZKA, KODREZKA, NAMEREZKA, SPEEDREZKA, PRILADREZKA, CENAREZKA, TIPCALCREZKA, NAKLREZKA, TIPTISN, KODTISN, NAMETISN, SPEEDTISN, PRILADTISN, CENATISN, TIPCALCTISN, TISNLISTCHAS, NAKLTISN, KOLPRILADTISN, LENTISN, WIDTISN, TIPDOLYATISN, DOLYATISN, RASPOLTISN, TEXNOTXTISN, TIPKLISH, KODKLISH, NAMEKLISH, LENKLISH, WIDKLISH, KOLKLSH, CENASHTKLISHE, TIPFOLG, KODFOLG, NAMEFOLG, LENFOLG, WIDFOLG, CENASHTFOLG, PRILADLISTPRINT, ITOGOLISTPRILAD) values (4, 6, 0, 'Этикетка', 0, 0, 0, 0, 3, 0, 0, 'А7', 74, 105, 0, '700x1000', 700, 1000, 1, 'Бумага мелованная глянцевая 90 г/м2 700x1000', 90, 142, 0, 'Бумага мелованная', '700x500', 700, 500, 0, 0, 3, 10, 4, 0, 17, 'Краски триадные CMYK (комплект, усредненно)', 1.2, 1000, 1000, 1500, 'Краски', 1, 0, 1, 31, 'Пластина CTP термальная 745x605x0,3', 'Пластины', 0.12, 995, 2, 'Heidelberg Speedmaster SM 74-4', 42, 4, 15000, 0.4, 0.25, 0.2, 20, 2600, 80, 1, 12000, 1, 600, 24, 'Лак УФ глянцевый', 8, 1000, 1000, 780, 'Лаки', 1, 0, 6, 'УФ-лакировальная машина TUV-650', 1200, 0.4, 750, 0, 130, 1, 15, 'Тигель Heidelberg OHT (высечка)', 2800, 1, 1000, 0, 150, 1, 1, 10, 'Бумагорезальная машина Polar 78', 3000, 0.25, 700, 0, 100, 1, 13, 'Тигель Heidelberg OHT (тиснение)', 2500, 0.75, 950, 0, 0, 150, 1, 40, 25, 1, 36, 0, 10, 1, 34, 'Клише магниевое 7 мм', 40, 25, 1, 0.12, 1, 37, 'Фольга золото глянцевое 640 мм x 120 м', 120000, 640, 6800, 93, 172);
insert into ZAKPRINT (KOD, KOD_ZAKAZ, TIP, NAMETIP, PREDREZ, TIPPREDREZ, TIPDOLYA, RASPOL, VSPOMMATER, TIPCALCPHOTO, TIPCALCPLAST, FORMATIZD, LENIZD, WIDIZD, VSTR, FORMATLIST, LENLIST, WIDLIST, KODLIST, NAMELIST, PLOTNLIST, CENALIST, EDIZMLIST, POSTAVBUM, FORMATPREDREZ, LENPREDREZ, WIDPREDREZ, ZAZORPECH, OTSTPECH, ZAZOR, OTSTIZD, PAINTLEFT, PAINTRIGHT, KODPAINT, NAMEPAINT, NORMRASXPAINT, PRLENPAINT, PRWIDPAINT, CENAKGPAINT, POSTAVPAINT, OBOROT, TIPPHOTOV, TIPPLAST, KODPLAST, NAMEPLAST, POSTAVPLAST, TIMEPLAST, CENASHTPLAST, KODPRINT, NAMEPRINT, POWERPRINT, PAINTPRINT, MAXSPEEDPRINT, PRILAD1PRINT, PRILAD2PRINT, AMORTPRINT, TRUDVSPOMPRINT, COSTHOURPRINT, CHIMVCHAS, TIPNAKL, SPEEDPRINT, KOEFPRINT, NAKLRASX, PRIPR, KODPRIPR, NAMEPRIPR, SPEEDPRIPR, PRILADPRIPR, CENAPRIPR, TIPCALCPRIPR, NAKLPRIPR, TIPPRIPR, TIPVYS, KODVYS, NAMEVYS, SPEEDVYS, PRILADVYS, CENAVYS, TIPCALCVYS, NAKLVYS, PROGONVYS, TIPSKLEIKA, KODSKLEIKA, NAMESKLEIKA, SPEEDSKLEIKA, PRILADSKLEIKA, CENASKLEIKA, TIPCALCSKLEIKA, NAKLSKLEIKA, TIPSHTAMP, LENSHTAMP, WIDSHTAMP, CENASHTAMP, TIMESHTAMP, PRILADLISTPRINT, ITOGOLISTPRILAD) values (5, 7, 0, 'Коробка', 0, 0, 0, 0, 3, 0, 0, 'А3', 297, 420, 0, '720x1020', 720, 1020, 11, 'Картон хром-эрзац 270 г/м2 720x1020', 270, 112, 0, 'Картон', '700x500', 700, 500, 0, 0, 5, 10, 4, 0, 17, 'Краски триадные CMYK (комплект, усредненно)', 1.2, 1000, 1000, 1500, 'Краски', 1, 0, 1, 31, 'Пластина CTP термальная 745x605x0,3', 'Пластины', 0.12, 995, 2, 'Heidelberg Speedmaster SM 74-4', 42, 4, 15000, 0.4, 0.25, 0.2, 20, 2600, 80, 1, 8000, 1.2, 600, 1, 4, 'Ламинатор GMP Excelam-Q 655RM', 700, 0.3, 650, 0, 120, 0, 1, 16, 'Высекальный автомат Bobst SP 102', 5000, 1.5, 1800, 0, 250, 1, 1, 18, 'Фальцесклеивающая линия', 0, 600, 0.9, 2, 0.1, 1, 700, 500, 18000, 3, 120, 240);
insert into ZAKPRINT (KOD, KOD_ZAKAZ, TIP, NAMETIP, PREDREZ, TIPPREDREZ, TIPDOLYA, RASPOL, VSPOMMATER, TIPCALCPHOTO, TIPCALCPLAST, FORMATIZD, LENIZD, WIDIZD, VSTR, STRNALIST, DBLSIDE, FORMATLIST, LENLIST, WIDLIST, KODLIST, NAMELIST, PLOTNLIST, CENALIST, EDIZMLIST, POSTAVBUM, FORMATPREDREZ, LENPREDREZ, WIDPREDREZ, ZAZORPECH, OTSTPECH, ZAZOR, OTSTIZD, PAINTLEFT, PAINTRIGHT, KODPAINT, NAMEPAINT, NORMRASXPAINT, PRLENPAINT, PRWIDPAINT, CENAKGPAINT, POSTAVPAINT, OBOROT, TIPPHOTOV, TIPPLAST, KODPLAST, NAMEPLAST, POSTAVPLAST, TIMEPLAST, CENASHTPLAST, KODPRINT, NAMEPRINT, POWERPRINT, PAINTPRINT, MAXSPEEDPRINT, PRILAD1PRINT, PRILAD2PRINT, AMORTPRINT, TRUDVSPOMPRINT, COSTHOURPRINT, CHIMVCHAS, TIPNAKL, SPEEDPRINT, KOEFPRINT, NAKLRASX, TIPREZKA, KODREZKA, NAMEREZKA, SPEEDREZKA, PRILADREZKA, CENAREZKA, TIPCALCREZKA, NAKLREZKA, TIPSHIVKA, KODSHIVKA, NAMESHIVKA, SPEEDSHIVKA, PRILADSHIVKA, CENASHIVKA, TIPCALCSHIVKA, NAKLSHIVKA, PRILADLISTPRINT, ITOGOLISTPRILAD) values (6, 8, 0, 'Обложка', 0, 0, 0, 0, 3, 0, 0, 'А4', 210, 297, 4, 0, 0, '700x1000', 700, 1000, 4, 'Бумага мелованная глянцевая 170 г/м2 700x1000', 170, 148, 0, 'Бумага мелованная', '700x500', 700, 500, 0, 0, 0, 5, 4, 4, 17, 'Краски триадные CMYK (комплект, усредненно)', 1.2, 1000, 1000, 1500, 'Краски', 0, 0, 1, 31, 'Пластина CTP термальная 745x605x0,3', 'Пластины', 0.12, 995, 2, 'Heidelberg Speedmaster SM 74-4', 42, 4, 15000, 0.4, 0.25, 0.2, 20, 2600, 80, 1, 12000, 1, 500, 1, 10, 'Бумагорезальная машина Polar 78', 3000, 0.25, 700, 0, 100, 1, 19, 'ВШРА Horizon SPF-200', 2000, 0.5, 800, 0, 100, 100, 110);
insert into ZAKPRINT (KOD, KOD_ZAKAZ, TIP, NAMETIP, PREDREZ, TIPPREDREZ, TIPDOLYA, RASPOL, VSPOMMATER, TIPCALCPHOTO, TIPCALCPLAST, FORMATIZD, LENIZD, WIDIZD, VSTR, STRNALIST, DBLSIDE, FORMATLIST, LENLIST, WIDLIST, KODLIST, NAMELIST, PLOTNLIST, CENALIST, EDIZMLIST, POSTAVBUM, FORMATPREDREZ, LENPREDREZ, WIDPREDREZ, ZAZORPECH, OTSTPECH, ZAZOR, OTSTIZD, PAINTLEFT, PAINTRIGHT, KODPAINT, NAMEPAINT, NORMRASXPAINT, PRLENPAINT, PRWIDPAINT, CENAKGPAINT, POSTAVPAINT, OBOROT, TIPPHOTOV, KODPHOTOV, NAMEPHOTOV, POSTAVPHOTOV, TIMEPHOTOV, CENASHTPHOTOV, TIPPLAST, KODPLAST, NAMEPLAST, POSTAVPLAST, TIMEPLAST, CENASHTPLAST, KODPRINT, NAMEPRINT, POWERPRINT, PAINTPRINT, MAXSPEEDPRINT, PRILAD1PRINT, PRILAD2PRINT, AMORTPRINT, TRUDVSPOMPRINT, COSTHOURPRINT, CHIMVCHAS, TIPNAKL, SPEEDPRINT, KOEFPRINT, NAKLRASX, TIPFALTS, KODFALTS, NAMEFALTS, SPEEDFALTS, PRILADFALTS, CENAFALTS, TIPCALCFALTS, NAKLFALTS, TIPSHIVKA, KODSHIVKA, NAMESHIVKA, SPEEDSHIVKA, PRILADSHIVKA, CENASHIVKA, TIPCALCSHIVKA, NAKLSHIVKA, PRILADLISTPRINT, ITOGOLISTPRILAD) values (7, 8, 1, 'Тетрадь', 0, 0, 0, 0, 3, 0, 0, 'А4', 210, 297, 32, 0, 0, '700x1000', 700, 1000, 1, 'Бумага мелованная глянцевая 90 г/м2 700x1000', 90, 142, 0, 'Бумага мелованная', '700x500', 700, 500, 0, 0, 0, 5, 4, 4, 17, 'Краски триадные CMYK (комплект, усредненно)', 1.2, 1000, 1000, 1500, 'Краски', 0, 1, 29, 'Фотовывод 745x605', 'Пленки (фотовывод)', 0.15, 650, 1, 31, 'Пластина CTP термальная 745x605x0,3', 'Пластины', 0.12, 995, 2, 'Heidelberg Speedmaster SM 74-4', 42, 4, 15000, 0.4, 0.25, 0.2, 20, 2600, 80, 1, 12000, 1, 450, 1, 8, 'Фальцовщик Horizon AFC-544', 4000, 0.5, 550, 0, 90, 1, 19, 'ВШРА Horizon SPF-200', 2000, 0.5, 800, 0, 100, 440, 640);

-- ZAK_PRILAD: make-ready items of the print parts
insert into ZAK_PRILAD (KOD, KOD_ZAKPRINT, NAME, KOLVO) values (1, 1, 'Ламинирование', 15);
insert into ZAK_PRILAD (KOD, KOD_ZAKPRINT, NAME, KOLVO) values (2, 1, 'Резка', 10);
insert into ZAK_PRILAD (KOD, KOD_ZAKPRINT, NAME, KOLVO) values (3, 2, 'Фальцовка', 100);
insert into ZAK_PRILAD (KOD, KOD_ZAKPRINT, NAME, KOLVO) values (4, 2, 'Склейка', 100);
insert into ZAK_PRILAD (KOD, KOD_ZAKPRINT, NAME, KOLVO) values (5, 3, 'Лакирование', 19);
insert into ZAK_PRILAD (KOD, KOD_ZAKPRINT, NAME, KOLVO) values (6, 3, 'Резка', 10);
insert into ZAK_PRILAD (KOD, KOD_ZAKPRINT, NAME, KOLVO) values (7, 4, 'Лакирование', 19);
insert into ZAK_PRILAD (KOD, KOD_ZAKPRINT, NAME, KOLVO) values (8, 4, 'Тиснение', 27);
insert into ZAK_PRILAD (KOD, KOD_ZAKPRINT, NAME, KOLVO) values (9, 4, 'Высечка', 33);
insert into ZAK_PRILAD (KOD, KOD_ZAKPRINT, NAME, KOLVO) values (10, 5, 'Высечка', 90);
insert into ZAK_PRILAD (KOD, KOD_ZAKPRINT, NAME, KOLVO) values (11, 5, 'Склейка', 30);
insert into ZAK_PRILAD (KOD, KOD_ZAKPRINT, NAME, KOLVO) values (12, 6, 'Резка', 10);
insert into ZAK_PRILAD (KOD, KOD_ZAKPRINT, NAME, KOLVO) values (13, 7, 'Фальцовка', 80);
insert into ZAK_PRILAD (KOD, KOD_ZAKPRINT, NAME, KOLVO) values (14, 7, 'Сшивка', 120);

-- ZAKMAT: materials required by the current orders
insert into ZAKMAT (KOD, KOD_ZAKAZ, NAME, FORMAT, EDIZM, POSTAV, VYDAT, DOP, NOTE) values (1, 4, 'Бумага мелованная глянцевая 250 г/м2 640x900', '640 x 900', 'кг', 'Бумага мелованная', 21.24, '250', 'Обложка');
insert into ZAKMAT (KOD, KOD_ZAKAZ, NAME, FORMAT, EDIZM, POSTAV, VYDAT, DOP, NOTE) values (2, 4, 'Бумага офсетная 80 г/м2 600x840', '600 x 840', 'кг', 'Бумага офсетная', 213.7, '80', 'Блок');
insert into ZAKMAT (KOD, KOD_ZAKAZ, NAME, FORMAT, EDIZM, POSTAV, VYDAT, DOP, NOTE) values (3, 4, 'Краски триадные CMYK (комплект, усредненно)', null, 'кг', 'Краски', 0.5, null, null);
insert into ZAKMAT (KOD, KOD_ZAKAZ, NAME, FORMAT, EDIZM, POSTAV, VYDAT, DOP, NOTE) values (4, 4, 'Краска триадная Black', null, 'кг', 'Краски', 5.5, null, null);
insert into ZAKMAT (KOD, KOD_ZAKAZ, NAME, FORMAT, EDIZM, POSTAV, VYDAT, DOP, NOTE) values (5, 4, 'Пластина CTP термальная 510x400x0,15', '510 x 400', 'шт', 'Пластины', 4, null, 'Обложка');
insert into ZAKMAT (KOD, KOD_ZAKAZ, NAME, FORMAT, EDIZM, POSTAV, VYDAT, DOP, NOTE) values (6, 4, 'Пластина CTP термальная 745x605x0,3', '745 x 605', 'шт', 'Пластины', 10, null, 'Блок');
insert into ZAKMAT (KOD, KOD_ZAKAZ, NAME, FORMAT, EDIZM, POSTAV, VYDAT, DOP, NOTE) values (7, 4, 'Пленка для ламинации глянцевая 32 мкм 320 мм x 3000 м', '320', 'рул', 'Пленка для ламинирования', 1, null, 'Остаток вернуть на склад');
insert into ZAKMAT (KOD, KOD_ZAKAZ, NAME, FORMAT, EDIZM, POSTAV, VYDAT, DOP, NOTE) values (8, 5, 'Бумага мелованная глянцевая 130 г/м2 720x1040', '720 x 1040', 'кг', 'Бумага мелованная', 35.92, '130', null);
insert into ZAKMAT (KOD, KOD_ZAKAZ, NAME, FORMAT, EDIZM, POSTAV, VYDAT, DOP, NOTE) values (9, 5, 'Краски триадные CMYK (комплект, усредненно)', null, 'кг', 'Краски', 1.2, null, null);
insert into ZAKMAT (KOD, KOD_ZAKAZ, NAME, FORMAT, EDIZM, POSTAV, VYDAT, DOP, NOTE) values (10, 5, 'Лак ВД глянцевый', null, 'кг', 'Лаки', 1.3, null, 'С двух сторон');
insert into ZAKMAT (KOD, KOD_ZAKAZ, NAME, FORMAT, EDIZM, POSTAV, VYDAT, DOP, NOTE) values (11, 5, 'Пластина CTP термальная 745x605x0,3', '745 x 605', 'шт', 'Пластины', 8, null, null);

-- ZAKPROC: process cards (TIP 1 pre-press .. 8 post-press)
insert into ZAKPROC (KOD, KOD_ZAKAZ, TIP, NUM, NAME, NAMEMACHTIP, KOLTIRAZ, DATA1, DATA2, OPERATORS, SOST) values (1, 4, 1, 1, 'Допечать', 'Дизайн макета', 1, '2026-11-04', '2026-11-04', 'Андреева О.', 'Окончено');
insert into ZAKPROC (KOD, KOD_ZAKAZ, TIP, NUM, NAME, NAMEMACHTIP, KOLTIRAZ, DATA1, DATA2, OPERATORS, SOST, NOTE) values (2, 4, 1, 2, 'Допечать', 'Верстка (за полосу)', 160, '2026-11-06', '2026-11-07', 'Андреева О.', 'Окончено', 'Заказчик вносил правки в главы 3 и 5');
insert into ZAKPROC (KOD, KOD_ZAKAZ, TIP, NUM, NAME, NAMEMACHTIP, KOLTIRAZ, DATA1, OPERATORS, SOST) values (3, 4, 1, 3, 'Допечать', 'Корректура (за полосу)', 160, '2026-11-09', 'Миронова Е.', 'Активно');
insert into ZAKPROC (KOD, KOD_ZAKAZ, TIP, NUM, NAME, NAMEMACHTIP, FORMAT, ISXFORMAT, PECHFORMAT, KOLBIGLIST, DOLYA, KOLPECHLIST, DATA1, SOST) values (4, 4, 2, 1, 'Резка Обложка', 'Бумагорезальная машина Polar 78', '450 x 320', '640 x 900', '450 x 320', 147, 4, 590, '2026-11-10', 'Неактивно');
insert into ZAKPROC (KOD, KOD_ZAKAZ, TIP, NUM, NAME, NAMEMACHTIP, FORMAT, ISXFORMAT, PECHFORMAT, KOLBIGLIST, DOLYA, KOLPECHLIST, DATA1, SOST) values (5, 4, 2, 2, 'Резка Тетрадь', 'Бумагорезальная машина Polar 78', '600 x 420', '600 x 840', '600 x 420', 5300, 2, 10600, '2026-11-10', 'Неактивно');
insert into ZAKPROC (KOD, KOD_ZAKAZ, TIP, NUM, NAME, NAMEMACHTIP, FORMAT, KOLTIRAZ, KOLTEXOTX, LICO, CHUJOI, C1, M1, Y1, K1, DATA1, OPERATORS, SOST) values (6, 4, 3, 1, 'Печать Обложка', 'Heidelberg GTO 52-4', '450 x 320', 500, 90, 'Х', 'Х', 'Х', 'Х', 'Х', 'Х', '2026-11-11', 'Кузьмин В., Сорокин А.', 'Неактивно');
insert into ZAKPROC (KOD, KOD_ZAKAZ, TIP, NUM, NAME, NAMEMACHTIP, FORMAT, KOLTIRAZ, KOLTEXOTX, LICO, OBOROT, SVOI, K1, K2, DATA1, OPERATORS, SOST) values (7, 4, 3, 2, 'Печать Тетрадь', 'Heidelberg Speedmaster SM 74-4', '600 x 420', 10000, 600, 'Х', 'Х', 'Х', 'Х', 'Х', '2026-11-12', 'Кузьмин В.', 'Неактивно');
insert into ZAKPROC (KOD, KOD_ZAKAZ, TIP, NUM, NAME, NAMEMACHTIP, FORMAT, KOLTIRAZ, KOLTEXOTX, ONESTOR, DATA1, SOST) values (8, 4, 4, 1, 'Припресс Обложка', 'Ламинатор GMP Excelam-Q 655RM', '143 x 205', 500, 90, 'X', '2026-11-13', 'Неактивно');
insert into ZAKPROC (KOD, KOD_ZAKAZ, TIP, NUM, NAME, NAMEMACHTIP, FORMAT, KOLTIRAZ, KOLSTR, DATA1, SOST) values (9, 4, 6, 1, 'Листоподборка Тетрадь', 'Листоподборщик Horizon VAC-100', '143 x 205', 10000, 160, '2026-11-16', 'Неактивно');
insert into ZAKPROC (KOD, KOD_ZAKAZ, TIP, NUM, NAME, NAMEMACHTIP, FORMAT, KOLTIRAZ, KOLTEXOTX, DATA1, SOST) values (10, 4, 7, 1, 'Фальцовка Тетрадь', 'Фальцовщик Horizon AFC-544', '143 x 205', 10000, 600, '2026-11-14', 'Неактивно');
insert into ZAKPROC (KOD, KOD_ZAKAZ, TIP, NUM, NAME, NAMEMACHTIP, FORMAT, KOLTIRAZ, DATA1, SOST) values (11, 4, 7, 2, 'Склейка Тетрадь', 'Клеевой биндер Horizon BQ-270', '143 x 205', 1000, '2026-11-17', 'Неактивно');
insert into ZAKPROC (KOD, KOD_ZAKAZ, TIP, NUM, NAME, NAMEMACHTIP, KOLTIRAZ, DATA1, SOST) values (12, 4, 8, 1, 'Послепечать', 'Упаковка в пачки', 1000, '2026-11-18', 'Неактивно');
insert into ZAKPROC (KOD, KOD_ZAKAZ, TIP, NUM, NAME, NAMEMACHTIP, KOLTIRAZ, DATA1, SOST, NOTE) values (13, 4, 8, 2, 'Послепечать', 'Доставка по городу', 1, '2026-11-18', 'Неактивно', 'Склад заказчика, до 17:00');
insert into ZAKPROC (KOD, KOD_ZAKAZ, TIP, NUM, NAME, NAMEMACHTIP, KOLTIRAZ, DATA1, DATA2, OPERATORS, SOST) values (14, 5, 1, 1, 'Допечать', 'Дизайн макета', 1, '2026-11-07', '2026-11-08', 'Андреева О.', 'Окончено');
insert into ZAKPROC (KOD, KOD_ZAKAZ, TIP, NUM, NAME, NAMEMACHTIP, FORMAT, KOLTIRAZ, KOLTEXOTX, LICO, OBOROT, CHUJOI, C1, M1, Y1, K1, C2, M2, Y2, K2, DATA1, DATA2, OPERATORS, SOST, BRAK, BRAKPRICH) values (15, 5, 3, 1, 'Печать Листовка', 'Heidelberg Speedmaster SM 74-4', '720 x 520', 556, 182, 'Х', 'Х', 'Х', 'Х', 'Х', 'Х', 'Х', 'Х', 'Х', 'Х', 'Х', '2026-11-10', '2026-11-10', 'Сорокин А.', 'Окончено', 12, 'Отмарывание на приладке');
insert into ZAKPROC (KOD, KOD_ZAKAZ, TIP, NUM, NAME, NAMEMACHTIP, FORMAT, KOLTIRAZ, TWOSTOR, DATA1, DATA2, SOST) values (16, 5, 5, 1, 'Лакирование Листовка', 'Лак. секция SM 74 (ВД-лак)', '148 x 210', 556, 'X', '2026-11-10', '2026-11-10', 'Окончено');
insert into ZAKPROC (KOD, KOD_ZAKAZ, TIP, NUM, NAME, NAMEMACHTIP, FORMAT, ISXFORMAT, PECHFORMAT, KOLBIGLIST, DOLYA, KOLPECHLIST, DATA1, OPERATORS, SOST) values (17, 5, 2, 1, 'Резка Листовка', 'Бумагорезальная машина Polar 78', '148 x 210', '720 x 1040', '720 x 520', 369, 2, 738, '2026-11-11', 'Лукин П.', 'Активно');
insert into ZAKPROC (KOD, KOD_ZAKAZ, TIP, NUM, NAME, NAMEMACHTIP, KOLTIRAZ, DATA1, SOST) values (18, 5, 8, 1, 'Послепечать', 'Упаковка в пачки', 5000, '2026-11-12', 'Неактивно');

