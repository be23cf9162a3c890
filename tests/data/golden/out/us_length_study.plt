    3    1    0    0                                                            Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                           Line 2 : Total number of sections
    1                                                                           Line 3 : Total number of axial thrusts
  121            0.3000000E+02  0.5575801E+04                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 1
  0.2258760E+03  0.1807008E+09  0.1250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.4507428E+03  0.1802971E+09  0.2500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.6742209E+03  0.1797922E+09  0.3750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.8962964E+03  0.1792593E+09  0.5000000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.1116967E+04  0.1787148E+09  0.6250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.1336233E+04  0.1781644E+09  0.7500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.1336233E+04  0.1527124E+09  0.8750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.1336233E+04  0.1336233E+09  0.1000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.1336233E+04  0.1187763E+09  0.1125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.1336233E+04  0.1068987E+09  0.1250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.1336233E+04  0.9718060E+08  0.1375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.1336233E+04  0.8908222E+08  0.1500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.1336233E+04  0.8222974E+08  0.1625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.1336233E+04  0.7635619E+08  0.1750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.1336233E+04  0.7126578E+08  0.1875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.1336233E+04  0.6681167E+08  0.2000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.1336233E+04  0.6288157E+08  0.2125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.1336233E+04  0.5938815E+08  0.2250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.1336233E+04  0.5626246E+08  0.2375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.1336233E+04  0.5344933E+08  0.2500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.1336233E+04  0.5090413E+08  0.2625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.1336233E+04  0.4859030E+08  0.2750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.1336233E+04  0.4647768E+08  0.2875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.1336233E+04  0.4454111E+08  0.3000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.1336233E+04  0.4275947E+08  0.3125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.1373751E+04  0.4226925E+08  0.3250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.1417491E+04  0.4199973E+08  0.3375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.1461195E+04  0.4174842E+08  0.3500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.1504834E+04  0.4151266E+08  0.3625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.1548435E+04  0.4129160E+08  0.3750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.1592000E+04  0.4108387E+08  0.3875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.1635528E+04  0.4088821E+08  0.4000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.1679020E+04  0.4070351E+08  0.4125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.1722474E+04  0.4052881E+08  0.4250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.1765892E+04  0.4036324E+08  0.4375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.1809272E+04  0.4020605E+08  0.4500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.1852615E+04  0.4005654E+08  0.4625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.1895921E+04  0.3991412E+08  0.4750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.1939188E+04  0.3977822E+08  0.4875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.2025611E+04  0.3952411E+08  0.5125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.2111880E+04  0.3929080E+08  0.5375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.2197993E+04  0.3907544E+08  0.5625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.2283939E+04  0.3887556E+08  0.5875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.2369730E+04  0.3868948E+08  0.6125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.2455366E+04  0.3851555E+08  0.6375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.2540844E+04  0.3835237E+08  0.6625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.2626164E+04  0.3819875E+08  0.6875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.2711324E+04  0.3805368E+08  0.7125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.2796323E+04  0.3791625E+08  0.7375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.2881159E+04  0.3778570E+08  0.7625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.2965831E+04  0.3766135E+08  0.7875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.3050338E+04  0.3754262E+08  0.8125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.3134678E+04  0.3742899E+08  0.8375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.3218849E+04  0.3731999E+08  0.8625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.3302850E+04  0.3721521E+08  0.8875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.3386679E+04  0.3711429E+08  0.9125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.3470336E+04  0.3701691E+08  0.9375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.3553817E+04  0.3692277E+08  0.9625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.3637122E+04  0.3683162E+08  0.9875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.3720249E+04  0.3674320E+08  0.1012500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.3803196E+04  0.3665731E+08  0.1037500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.3885961E+04  0.3657375E+08  0.1062500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.3968543E+04  0.3649235E+08  0.1087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.4050939E+04  0.3641294E+08  0.1112500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.4132817E+04  0.3633246E+08  0.1137500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.4202517E+04  0.3615069E+08  0.1162500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.4254127E+04  0.3582423E+08  0.1187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.4297779E+04  0.3544560E+08  0.1212500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.4340940E+04  0.3507830E+08  0.1237500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.4384003E+04  0.3472477E+08  0.1262500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.4426966E+04  0.3438420E+08  0.1287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.4469830E+04  0.3405585E+08  0.1312500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.4512594E+04  0.3373902E+08  0.1337500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.4555249E+04  0.3343302E+08  0.1362500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.4597752E+04  0.3313695E+08  0.1387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.4640154E+04  0.3285065E+08  0.1412500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.4682313E+04  0.3257261E+08  0.1437500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.4723369E+04  0.3229654E+08  0.1462500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.4756925E+04  0.3197933E+08  0.1487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.4830860E+04  0.3043062E+08  0.1587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.4892129E+04  0.2899039E+08  0.1687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.4951826E+04  0.2770252E+08  0.1787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.5010675E+04  0.2654662E+08  0.1887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.5068735E+04  0.2550307E+08  0.1987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.5125980E+04  0.2455559E+08  0.2087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.5181886E+04  0.2368862E+08  0.2187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.5236978E+04  0.2289389E+08  0.2287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.5291230E+04  0.2216222E+08  0.2387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.5344617E+04  0.2148590E+08  0.2487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.5390010E+04  0.2083096E+08  0.2587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.5418520E+04  0.2016193E+08  0.2687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.5433414E+04  0.1949207E+08  0.2787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.5444378E+04  0.1885499E+08  0.2887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.5454854E+04  0.1825893E+08  0.2987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.5464940E+04  0.1770021E+08  0.3087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.5474539E+04  0.1717503E+08  0.3187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.5483664E+04  0.1668035E+08  0.3287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.5491885E+04  0.1621221E+08  0.3387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.5499800E+04  0.1577004E+08  0.3487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.5507448E+04  0.1535177E+08  0.3587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.5514717E+04  0.1495516E+08  0.3687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.5521783E+04  0.1457897E+08  0.3787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.5528592E+04  0.1422146E+08  0.3887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.5535089E+04  0.1388110E+08  0.3987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.5541418E+04  0.1355699E+08  0.4087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.5547571E+04  0.1324793E+08  0.4187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.5553194E+04  0.1295206E+08  0.4287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.5558616E+04  0.1266921E+08  0.4387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.5563912E+04  0.1239869E+08  0.4487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.5569057E+04  0.1213963E+08  0.4587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.5573956E+04  0.1189111E+08  0.4687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.5578757E+04  0.1165276E+08  0.4787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.5583457E+04  0.1142395E+08  0.4887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.5588055E+04  0.1120412E+08  0.4987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.5592463E+04  0.1099256E+08  0.5087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.5596733E+04  0.1078888E+08  0.5187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.5600926E+04  0.1059277E+08  0.5287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.5605039E+04  0.1040378E+08  0.5387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.5609071E+04  0.1022154E+08  0.5487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.5631117E+04  0.9250295E+07  0.6087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.5631117E+04  0.8420362E+07  0.6687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=121
    0                                                                           Line 6 : number of output p-y curves
    1  101    1                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.5771255E-01  0.4000000E+06  0.2000000E+05 -0.0000000E+00  0.1803485E+12 Line 10(  1): nodal depth, y, M, V, p, EI
  0.4800000E+01  0.5402290E-01  0.4961107E+06  0.1968634E+05 -0.1306922E+03  0.1801576E+12 Line 10(  2): nodal depth, y, M, V, p, EI
  0.9600000E+01  0.5039670E-01  0.5892083E+06  0.1878282E+05 -0.2457746E+03  0.1799389E+12 Line 10(  3): nodal depth, y, M, V, p, EI
  0.1440000E+02  0.4684594E-01  0.6766411E+06  0.1749200E+05 -0.2920649E+03  0.1797845E+12 Line 10(  4): nodal depth, y, M, V, p, EI
  0.1920000E+02  0.4338189E-01  0.7573420E+06  0.1607471E+05 -0.2984753E+03  0.1795558E+12 Line 10(  5): nodal depth, y, M, V, p, EI
  0.2400000E+02  0.4001503E-01  0.8311632E+06  0.1462791E+05 -0.3043547E+03  0.1793858E+12 Line 10(  6): nodal depth, y, M, V, p, EI
  0.2880000E+02  0.3675491E-01  0.8979688E+06  0.1315425E+05 -0.3096728E+03  0.1792541E+12 Line 10(  7): nodal depth, y, M, V, p, EI
  0.3360000E+02  0.3361022E-01  0.9576361E+06  0.1165648E+05 -0.3143980E+03  0.1790824E+12 Line 10(  8): nodal depth, y, M, V, p, EI
  0.3840000E+02  0.3058873E-01  0.1010056E+07  0.1013753E+05 -0.3184972E+03  0.1789485E+12 Line 10(  9): nodal depth, y, M, V, p, EI
  0.4320000E+02  0.2769729E-01  0.1055134E+07  0.8600491E+04 -0.3219356E+03  0.1788441E+12 Line 10( 10): nodal depth, y, M, V, p, EI
  0.4800000E+02  0.2494177E-01  0.1092790E+07  0.7048624E+04 -0.3246760E+03  0.1787636E+12 Line 10( 11): nodal depth, y, M, V, p, EI
  0.5280000E+02  0.2232711E-01  0.1122962E+07  0.5485372E+04 -0.3266786E+03  0.1786968E+12 Line 10( 12): nodal depth, y, M, V, p, EI
  0.5760000E+02  0.1985723E-01  0.1145602E+07  0.3914383E+04 -0.3279001E+03  0.1786308E+12 Line 10( 13): nodal depth, y, M, V, p, EI
  0.6240000E+02  0.1753511E-01  0.1160684E+07  0.2339520E+04 -0.3282929E+03  0.1785882E+12 Line 10( 14): nodal depth, y, M, V, p, EI
  0.6720000E+02  0.1536273E-01  0.1168196E+07  0.7648889E+03 -0.3278035E+03  0.1785674E+12 Line 10( 15): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.1334108E-01  0.1168152E+07 -0.8051301E+03 -0.3263711E+03  0.1785676E+12 Line 10( 16): nodal depth, y, M, V, p, EI
  0.7680000E+02  0.1147016E-01  0.1160584E+07 -0.2365838E+04 -0.3239240E+03  0.1785885E+12 Line 10( 17): nodal depth, y, M, V, p, EI
  0.8160000E+02  0.9748960E-02  0.1145548E+07 -0.3912158E+04 -0.3203760E+03  0.1786310E+12 Line 10( 18): nodal depth, y, M, V, p, EI
  0.8640000E+02  0.8175517E-02  0.1123126E+07 -0.5438549E+04 -0.3156199E+03  0.1786965E+12 Line 10( 19): nodal depth, y, M, V, p, EI
  0.9120000E+02  0.6746883E-02  0.1093428E+07 -0.6938876E+04 -0.3095165E+03  0.1787624E+12 Line 10( 20): nodal depth, y, M, V, p, EI
  0.9600000E+02  0.5459177E-02  0.1056594E+07 -0.8406222E+04 -0.3018776E+03  0.1788410E+12 Line 10( 21): nodal depth, y, M, V, p, EI
  0.1008000E+03  0.4307591E-02  0.1012801E+07 -0.9739310E+04 -0.2535758E+03  0.1789420E+12 Line 10( 22): nodal depth, y, M, V, p, EI
  0.1056000E+03  0.3286410E-02  0.9631622E+06 -0.1083764E+05 -0.2040624E+03  0.1790678E+12 Line 10( 23): nodal depth, y, M, V, p, EI
  0.1104000E+03  0.2389156E-02  0.9088176E+06 -0.1170215E+05 -0.1561476E+03  0.1792215E+12 Line 10( 24): nodal depth, y, M, V, p, EI
  0.1152000E+03  0.1608736E-02  0.8508719E+06 -0.1234199E+05 -0.1104545E+03  0.1793456E+12 Line 10( 25): nodal depth, y, M, V, p, EI
  0.1200000E+03  0.9376249E-03  0.7903780E+06 -0.1276910E+05 -0.6750899E+02  0.1794760E+12 Line 10( 26): nodal depth, y, M, V, p, EI
  0.1248000E+03  0.3679775E-03  0.7283257E+06 -0.1299770E+05 -0.2773785E+02  0.1796324E+12 Line 10( 27): nodal depth, y, M, V, p, EI
  0.1296000E+03 -0.1082533E-03  0.6656315E+06 -0.1304379E+05  0.8530017E+01  0.1798055E+12 Line 10( 28): nodal depth, y, M, V, p, EI
  0.1344000E+03 -0.4991912E-03  0.6031313E+06 -0.1292478E+05  0.4105988E+02  0.1799122E+12 Line 10( 29): nodal depth, y, M, V, p, EI
  0.1392000E+03 -0.8128907E-03  0.5415748E+06 -0.1265895E+05  0.6970310E+02  0.1800415E+12 Line 10( 30): nodal depth, y, M, V, p, EI
  0.1440000E+03 -0.1057285E-02  0.4816222E+06 -0.1226511E+05  0.9439436E+02  0.1801995E+12 Line 10( 31): nodal depth, y, M, V, p, EI
  0.1488000E+03 -0.1240099E-02  0.4238425E+06 -0.1176222E+05  0.1151447E+03  0.1803229E+12 Line 10( 32): nodal depth, y, M, V, p, EI
  0.1536000E+03 -0.1368759E-02  0.3687142E+06 -0.1116900E+05  0.1320316E+03  0.1803873E+12 Line 10( 33): nodal depth, y, M, V, p, EI
  0.1584000E+03 -0.1450324E-02  0.3166265E+06 -0.1050366E+05  0.1451902E+03  0.1804688E+12 Line 10( 34): nodal depth, y, M, V, p, EI
  0.1632000E+03 -0.1491467E-02  0.2678827E+06 -0.9783671E+04  0.1548071E+03  0.1805739E+12 Line 10( 35): nodal depth, y, M, V, p, EI
  0.1680000E+03 -0.1498430E-02  0.2227047E+06 -0.9025467E+04  0.1611112E+03  0.1807008E+12 Line 10( 36): nodal depth, y, M, V, p, EI
  0.1728000E+03 -0.1476997E-02  0.1812378E+06 -0.8244324E+04  0.1643650E+03  0.1807008E+12 Line 10( 37): nodal depth, y, M, V, p, EI
  0.1776000E+03 -0.1432456E-02  0.1435572E+06 -0.7454199E+04  0.1648539E+03  0.1807008E+12 Line 10( 38): nodal depth, y, M, V, p, EI
  0.1824000E+03 -0.1369610E-02  0.1096742E+06 -0.6667636E+04  0.1628806E+03  0.1807008E+12 Line 10( 39): nodal depth, y, M, V, p, EI
  0.1872000E+03 -0.1292781E-02  0.7954367E+05 -0.5895704E+04  0.1587577E+03  0.1807008E+12 Line 10( 40): nodal depth, y, M, V, p, EI
  0.1920000E+03 -0.1205810E-02  0.5307056E+05 -0.5147965E+04  0.1528002E+03  0.1807008E+12 Line 10( 41): nodal depth, y, M, V, p, EI
  0.1968000E+03 -0.1112072E-02  0.3011778E+05 -0.4432476E+04  0.1453202E+03  0.1807008E+12 Line 10( 42): nodal depth, y, M, V, p, EI
  0.2016000E+03 -0.1014494E-02  0.1051305E+05 -0.3755819E+04  0.1366206E+03  0.1807008E+12 Line 10( 43): nodal depth, y, M, V, p, EI
  0.2064000E+03 -0.9155749E-03 -0.5943977E+04 -0.3123151E+04  0.1269910E+03  0.1807008E+12 Line 10( 44): nodal depth, y, M, V, p, EI
  0.2112000E+03 -0.8174142E-03 -0.1947511E+05 -0.2538285E+04  0.1167032E+03  0.1807008E+12 Line 10( 45): nodal depth, y, M, V, p, EI
  0.2160000E+03 -0.7217366E-03 -0.3031732E+05 -0.2003776E+04  0.1060087E+03  0.1807008E+12 Line 10( 46): nodal depth, y, M, V, p, EI
  0.2208000E+03 -0.6299245E-03 -0.3871698E+05 -0.1521030E+04  0.9513574E+02  0.1807008E+12 Line 10( 47): nodal depth, y, M, V, p, EI
  0.2256000E+03 -0.5430491E-03 -0.4492457E+05 -0.1090412E+04  0.8428817E+02  0.1807008E+12 Line 10( 48): nodal depth, y, M, V, p, EI
  0.2304000E+03 -0.4619016E-03 -0.4918998E+05 -0.7113747E+03  0.7364412E+02  0.1807008E+12 Line 10( 49): nodal depth, y, M, V, p, EI
  0.2352000E+03 -0.3870261E-03 -0.5175845E+05 -0.3825747E+03  0.6335586E+02  0.1807008E+12 Line 10( 50): nodal depth, y, M, V, p, EI
  0.2400000E+03 -0.3187500E-03 -0.5286699E+05 -0.1020007E+03  0.5354999E+02  0.1807008E+12 Line 10( 51): nodal depth, y, M, V, p, EI
  0.2448000E+03 -0.2572145E-03 -0.5274155E+05  0.1329069E+03  0.4432815E+02  0.1807008E+12 Line 10( 52): nodal depth, y, M, V, p, EI
  0.2496000E+03 -0.2024039E-03 -0.5159458E+05  0.3251380E+03  0.3576816E+02  0.1807008E+12 Line 10( 53): nodal depth, y, M, V, p, EI
  0.2544000E+03 -0.1541717E-03 -0.4962331E+05  0.4780029E+03  0.2792555E+02  0.1807008E+12 Line 10( 54): nodal depth, y, M, V, p, EI
  0.2592000E+03 -0.1122667E-03 -0.4700845E+05  0.5950288E+03  0.2083525E+02  0.1807008E+12 Line 10( 55): nodal depth, y, M, V, p, EI
  0.2640000E+03 -0.7635537E-04 -0.4391337E+05  0.6798662E+03  0.1451363E+02  0.1807008E+12 Line 10( 56): nodal depth, y, M, V, p, EI
  0.2688000E+03 -0.4604320E-04 -0.4048373E+05  0.7362041E+03  0.8960523E+01  0.1807008E+12 Line 10( 57): nodal depth, y, M, V, p, EI
  0.2736000E+03 -0.2089286E-04 -0.3684748E+05  0.7676969E+03  0.4161456E+01  0.1807008E+12 Line 10( 58): nodal depth, y, M, V, p, EI
  0.2784000E+03 -0.4406923E-06 -0.3311520E+05  0.7778999E+03  0.8980816E-01  0.1807008E+12 Line 10( 59): nodal depth, y, M, V, p, EI
  0.2832000E+03  0.1578916E-04 -0.2938074E+05  0.7702170E+03 -0.3291017E+01  0.1807008E+12 Line 10( 60): nodal depth, y, M, V, p, EI
  0.2880000E+03  0.2827287E-04 -0.2572198E+05  0.7478573E+03 -0.6025514E+01  0.1807008E+12 Line 10( 61): nodal depth, y, M, V, p, EI
  0.2928000E+03  0.3747693E-04 -0.2220196E+05  0.7138023E+03 -0.8164094E+01  0.1807008E+12 Line 10( 62): nodal depth, y, M, V, p, EI
  0.2976000E+03  0.4385016E-04 -0.1886995E+05  0.6707814E+03 -0.9761256E+01  0.1807008E+12 Line 10( 63): nodal depth, y, M, V, p, EI
  0.3024000E+03  0.4781740E-04 -0.1576277E+05  0.6212571E+03 -0.1087391E+02  0.1807008E+12 Line 10( 64): nodal depth, y, M, V, p, EI
  0.3072000E+03  0.4977484E-04 -0.1290606E+05  0.5674160E+03 -0.1155987E+02  0.1807008E+12 Line 10( 65): nodal depth, y, M, V, p, EI
  0.3120000E+03  0.5008670E-04 -0.1031564E+05  0.5111686E+03 -0.1187656E+02  0.1807008E+12 Line 10( 66): nodal depth, y, M, V, p, EI
  0.3168000E+03  0.4908329E-04 -0.7998819E+04  0.4541531E+03 -0.1187988E+02  0.1807008E+12 Line 10( 67): nodal depth, y, M, V, p, EI
  0.3216000E+03  0.4705999E-04 -0.5955680E+04  0.3977455E+03 -0.1162329E+02  0.1807008E+12 Line 10( 68): nodal depth, y, M, V, p, EI
  0.3264000E+03  0.4427733E-04 -0.4180318E+04  0.3430727E+03 -0.1115704E+02  0.1807008E+12 Line 10( 69): nodal depth, y, M, V, p, EI
  0.3312000E+03  0.4096166E-04 -0.2661999E+04  0.2910296E+03 -0.1052760E+02  0.1807008E+12 Line 10( 70): nodal depth, y, M, V, p, EI
  0.3360000E+03  0.3730657E-04 -0.1386225E+04  0.2422978E+03 -0.9777306E+01  0.1807008E+12 Line 10( 71): nodal depth, y, M, V, p, EI
  0.3408000E+03  0.3347474E-04 -0.3357152E+03  0.1973666E+03 -0.8944022E+01  0.1807008E+12 Line 10( 72): nodal depth, y, M, V, p, EI
  0.3456000E+03  0.2960010E-04  0.5087256E+03  0.1565544E+03 -0.8061078E+01  0.1807008E+12 Line 10( 73): nodal depth, y, M, V, p, EI
  0.3504000E+03  0.2579033E-04  0.1167437E+04  0.1200304E+03 -0.7157249E+01  0.1807008E+12 Line 10( 74): nodal depth, y, M, V, p, EI
  0.3552000E+03  0.2212941E-04  0.1661241E+04  0.8783654E+02 -0.6256850E+01  0.1807008E+12 Line 10( 75): nodal depth, y, M, V, p, EI
  0.3600000E+03  0.1868030E-04  0.2010881E+04  0.5990828E+02 -0.5379926E+01  0.1807008E+12 Line 10( 76): nodal depth, y, M, V, p, EI
  0.3648000E+03  0.1548759E-04  0.2236560E+04  0.3609446E+02 -0.4542496E+01  0.1807008E+12 Line 10( 77): nodal depth, y, M, V, p, EI
  0.3696000E+03  0.1258004E-04  0.2357571E+04  0.1617600E+02 -0.3756864E+01  0.1807008E+12 Line 10( 78): nodal depth, y, M, V, p, EI
  0.3744000E+03  0.9973098E-05  0.2392015E+04 -0.1171522E+00 -0.3031949E+01  0.1807008E+12 Line 10( 79): nodal depth, y, M, V, p, EI
  0.3792000E+03  0.7671144E-05  0.2356594E+04 -0.1309062E+02 -0.2373661E+01  0.1807008E+12 Line 10( 80): nodal depth, y, M, V, p, EI
  0.3840000E+03  0.5669665E-05  0.2266474E+04 -0.2307204E+02 -0.1785264E+01  0.1807008E+12 Line 10( 81): nodal depth, y, M, V, p, EI
  0.3888000E+03  0.3957169E-05  0.2135214E+04 -0.3039930E+02 -0.1267763E+01  0.1807008E+12 Line 10( 82): nodal depth, y, M, V, p, EI
  0.3936000E+03  0.2516920E-05  0.1974736E+04 -0.3541057E+02 -0.8202663E+00  0.1807008E+12 Line 10( 83): nodal depth, y, M, V, p, EI
  0.3984000E+03  0.1328457E-05  0.1795351E+04 -0.3843603E+02 -0.4403422E+00  0.1807008E+12 Line 10( 84): nodal depth, y, M, V, p, EI
  0.4032000E+03  0.3689085E-06  0.1605814E+04 -0.3979129E+02 -0.1243499E+00  0.1807008E+12 Line 10( 85): nodal depth, y, M, V, p, EI
  0.4080000E+03 -0.3858934E-06  0.1413406E+04 -0.3977232E+02  0.1322534E+00  0.1807008E+12 Line 10( 86): nodal depth, y, M, V, p, EI
  0.4128000E+03 -0.9604809E-06  0.1224040E+04 -0.3865179E+02  0.3346346E+00  0.1807008E+12 Line 10( 87): nodal depth, y, M, V, p, EI
  0.4176000E+03 -0.1378999E-05  0.1042379E+04 -0.3667666E+02  0.4883377E+00  0.1807008E+12 Line 10( 88): nodal depth, y, M, V, p, EI
  0.4224000E+03 -0.1664610E-05  0.8719649E+03 -0.3406688E+02  0.5990678E+00  0.1807008E+12 Line 10( 89): nodal depth, y, M, V, p, EI
  0.4272000E+03 -0.1839042E-05  0.7153503E+03 -0.3101511E+02  0.6725069E+00  0.1807008E+12 Line 10( 90): nodal depth, y, M, V, p, EI
  0.4320000E+03 -0.1922265E-05  0.5742276E+03 -0.2768711E+02  0.7141599E+00  0.1807008E+12 Line 10( 91): nodal depth, y, M, V, p, EI
  0.4368000E+03 -0.1932271E-05  0.4495569E+03 -0.2422297E+02  0.7292300E+00  0.1807008E+12 Line 10( 92): nodal depth, y, M, V, p, EI
  0.4416000E+03 -0.1884958E-05  0.3416860E+03 -0.2073877E+02  0.7225209E+00  0.1807008E+12 Line 10( 93): nodal depth, y, M, V, p, EI
  0.4464000E+03 -0.1794078E-05  0.2504606E+03 -0.1732864E+02  0.6983642E+00  0.1807008E+12 Line 10( 94): nodal depth, y, M, V, p, EI
  0.4512000E+03 -0.1671264E-05  0.1753246E+03 -0.1406720E+02  0.6605689E+00  0.1807008E+12 Line 10( 95): nodal depth, y, M, V, p, EI
  0.4560000E+03 -0.1526095E-05  0.1154074E+03 -0.1101210E+02  0.6123913E+00  0.1807008E+12 Line 10( 96): nodal depth, y, M, V, p, EI
  0.4608000E+03 -0.1366211E-05  0.6959927E+02 -0.8206707E+01  0.5565222E+00  0.1807008E+12 Line 10( 97): nodal depth, y, M, V, p, EI
  0.4656000E+03 -0.1197453E-05  0.3661315E+02 -0.5682837E+01  0.4950903E+00  0.1807008E+12 Line 10( 98): nodal depth, y, M, V, p, EI
  0.4704000E+03 -0.1024027E-05  0.1503377E+02 -0.3463392E+01  0.4296783E+00  0.1807008E+12 Line 10( 99): nodal depth, y, M, V, p, EI
  0.4752000E+03 -0.8486835E-06  0.3354118E+01 -0.1564920E+01  0.3613518E+00  0.1807008E+12 Line 10(100): nodal depth, y, M, V, p, EI
  0.4800000E+03 -0.6729128E-06  0.0000000E+00  0.0000000E+00  0.2906983E+00  0.0000000E+00 Line 10(101): nodal depth, y, M, V, p, EI
   17                                                                           Line 11: Num. points on Ytop vs. pile length curve for load case 1
  0.4800000E+03  0.5771255E-01  0.1168196E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.4560000E+03  0.5769330E-01  0.1168573E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.4320000E+03  0.5765225E-01  0.1168137E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.4080000E+03  0.5758198E-01  0.1167245E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.3840000E+03  0.5749139E-01  0.1166282E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.3600000E+03  0.5755645E-01  0.1166684E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.3360000E+03  0.5757218E-01  0.1166814E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.3120000E+03  0.5754668E-01  0.1166405E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.2880000E+03  0.5750553E-01  0.1165510E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.2640000E+03  0.5757265E-01  0.1165823E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.2400000E+03  0.5752724E-01  0.1165604E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.2160000E+03  0.5774918E-01  0.1164404E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.1920000E+03  0.5973080E-01  0.1154396E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.1680000E+03  0.7704864E-01  0.1093313E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.1440000E+03  0.1463773E+00  0.9784811E+06  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.1200000E+03  0.3864259E+00  0.8535648E+06 -0.2009775E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.9599999E+02  0.1528591E+01  0.7417110E+06 -0.2181269E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.2000000E+05  0.5771255E-01  0.1168196E+07  0.2000000E+05 -0.7740002E-03     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
