    2    1    0    0                                                            Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
   10                                                                           Line 2 : Total number of sections
    1                                                                           Line 3 : Total number of axial thrusts for EI-only computations
  136            0.4000000E+02  0.2403665E+04                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 1
  0.1295715E+03  0.1036572E+09  0.1250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.2590612E+03  0.1036245E+09  0.2500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.3880604E+03  0.1034828E+09  0.3750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.5164367E+03  0.1032873E+09  0.5000000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.6441727E+03  0.1030676E+09  0.6250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.7712639E+03  0.1028352E+09  0.7500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.8977091E+03  0.1025953E+09  0.8750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.1023507E+04  0.1023507E+09  0.1000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.1023507E+04  0.9097843E+08  0.1125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.1023507E+04  0.8188059E+08  0.1250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.1023507E+04  0.7443690E+08  0.1375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.1023507E+04  0.6823383E+08  0.1500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.1023507E+04  0.6298507E+08  0.1625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.1023507E+04  0.5848614E+08  0.1750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.1023507E+04  0.5458706E+08  0.1875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.1023507E+04  0.5117537E+08  0.2000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.1023507E+04  0.4816505E+08  0.2125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.1023507E+04  0.4548922E+08  0.2250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.1023507E+04  0.4309505E+08  0.2375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.1023507E+04  0.4094030E+08  0.2500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.1023507E+04  0.3899076E+08  0.2625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.1023507E+04  0.3721845E+08  0.2750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.1023507E+04  0.3560026E+08  0.2875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.1023507E+04  0.3411691E+08  0.3000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.1023507E+04  0.3275224E+08  0.3125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.1023507E+04  0.3149253E+08  0.3250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.1023507E+04  0.3032614E+08  0.3375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.1023507E+04  0.2924307E+08  0.3500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.1023507E+04  0.2823469E+08  0.3625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.1023507E+04  0.2729353E+08  0.3750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.1023507E+04  0.2641309E+08  0.3875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.1023507E+04  0.2558768E+08  0.4000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.1023507E+04  0.2481230E+08  0.4125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.1023507E+04  0.2408253E+08  0.4250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.1023507E+04  0.2339445E+08  0.4375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.1023507E+04  0.2274461E+08  0.4500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.1023507E+04  0.2212989E+08  0.4625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.1023507E+04  0.2154752E+08  0.4750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.1038532E+04  0.2130323E+08  0.4875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.1075850E+04  0.2099220E+08  0.5125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.1113143E+04  0.2070963E+08  0.5375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.1150410E+04  0.2045173E+08  0.5625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.1187644E+04  0.2021521E+08  0.5875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.1224791E+04  0.1999659E+08  0.6125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.1261913E+04  0.1979472E+08  0.6375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.1299011E+04  0.1960771E+08  0.6625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.1336083E+04  0.1943394E+08  0.6875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.1373130E+04  0.1927201E+08  0.7125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.1410149E+04  0.1912067E+08  0.7375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.1447102E+04  0.1897839E+08  0.7625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.1484030E+04  0.1884482E+08  0.7875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.1520932E+04  0.1871917E+08  0.8125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.1557810E+04  0.1860071E+08  0.8375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.1594662E+04  0.1848883E+08  0.8625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.1631489E+04  0.1838297E+08  0.8875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.1668290E+04  0.1828263E+08  0.9125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.1705066E+04  0.1818737E+08  0.9375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.1741815E+04  0.1809678E+08  0.9625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.1778539E+04  0.1801052E+08  0.9875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.1815224E+04  0.1792813E+08  0.1012500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.1851873E+04  0.1784938E+08  0.1037500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.1888498E+04  0.1777409E+08  0.1062500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.1925096E+04  0.1770203E+08  0.1087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.1961668E+04  0.1763297E+08  0.1112500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.1998214E+04  0.1756671E+08  0.1137500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.2034733E+04  0.1750308E+08  0.1162500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.2071226E+04  0.1744190E+08  0.1187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.2107692E+04  0.1738302E+08  0.1212500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.2144131E+04  0.1732631E+08  0.1237500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.2179979E+04  0.1726716E+08  0.1262500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.2209279E+04  0.1715945E+08  0.1287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.2225670E+04  0.1695748E+08  0.1312500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.2229626E+04  0.1667010E+08  0.1337500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.2231410E+04  0.1637732E+08  0.1362500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.2233061E+04  0.1609413E+08  0.1387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.2234710E+04  0.1582096E+08  0.1412500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.2236358E+04  0.1555727E+08  0.1437500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.2238004E+04  0.1530259E+08  0.1462500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.2239649E+04  0.1505646E+08  0.1487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.2245456E+04  0.1414461E+08  0.1587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.2251072E+04  0.1333968E+08  0.1687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.2255893E+04  0.1262038E+08  0.1787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.2260657E+04  0.1197699E+08  0.1887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.2264914E+04  0.1139580E+08  0.1987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.2268942E+04  0.1086918E+08  0.2087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.2272951E+04  0.1039063E+08  0.2187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.2276400E+04  0.9951473E+07  0.2287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.2279781E+04  0.9548820E+07  0.2387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.2283145E+04  0.9178471E+07  0.2487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.2286287E+04  0.8835893E+07  0.2587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.2289126E+04  0.8517680E+07  0.2687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.2291949E+04  0.8222240E+07  0.2787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.2294756E+04  0.7947207E+07  0.2887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.2297546E+04  0.7690530E+07  0.2987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.2299979E+04  0.7449324E+07  0.3087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.2302356E+04  0.7223078E+07  0.3187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.2304718E+04  0.7010549E+07  0.3287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.2307064E+04  0.6810522E+07  0.3387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.2309395E+04  0.6621922E+07  0.3487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.2311711E+04  0.6443792E+07  0.3587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.2313788E+04  0.6274679E+07  0.3687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.2315802E+04  0.6114328E+07  0.3787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.2317801E+04  0.5962189E+07  0.3887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.2319786E+04  0.5817644E+07  0.3987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.2321756E+04  0.5680136E+07  0.4087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.2323711E+04  0.5549160E+07  0.4187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.2325651E+04  0.5424259E+07  0.4287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.2327576E+04  0.5305016E+07  0.4387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.2329460E+04  0.5190997E+07  0.4487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.2331167E+04  0.5081563E+07  0.4587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.2332860E+04  0.4976769E+07  0.4687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.2334540E+04  0.4876324E+07  0.4787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.2336206E+04  0.4779960E+07  0.4887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.2337857E+04  0.4687432E+07  0.4987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.2339493E+04  0.4598513E+07  0.5087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.2341115E+04  0.4512994E+07  0.5187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.2342723E+04  0.4430681E+07  0.5287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.2344315E+04  0.4351396E+07  0.5387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.2345892E+04  0.4274973E+07  0.5487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.2354759E+04  0.3868187E+07  0.6087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.2362686E+04  0.3532989E+07  0.6687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.2370049E+04  0.3252211E+07  0.7287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.2376799E+04  0.3013374E+07  0.7887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.2382883E+04  0.2807520E+07  0.8487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.2387945E+04  0.2627725E+07  0.9087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=125
  0.2392185E+04  0.2469352E+07  0.9687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=126
  0.2395725E+04  0.2328773E+07  0.1028750E-02                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=127
  0.2398703E+04  0.2203171E+07  0.1088750E-02                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=128
  0.2401242E+04  0.2090309E+07  0.1148750E-02                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=129
  0.2403171E+04  0.1988146E+07  0.1208750E-02                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=130
  0.2404819E+04  0.1895424E+07  0.1268750E-02                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=131
  0.2406093E+04  0.1810795E+07  0.1328750E-02                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=132
  0.2406897E+04  0.1733139E+07  0.1388750E-02                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=133
  0.2407486E+04  0.1661768E+07  0.1448750E-02                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=134
  0.2407843E+04  0.1595919E+07  0.1508750E-02                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=135
  0.2407843E+04  0.1534880E+07  0.1568750E-02                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=136
  121            0.4000000E+02  0.3667413E+05                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 2
  0.3893894E+03  0.6230231E+09  0.6250000E-06                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=1
  0.7782923E+03  0.6226338E+09  0.1250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=2
  0.1166450E+04  0.6221068E+09  0.1875000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=3
  0.1553852E+04  0.6215407E+09  0.2500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=4
  0.1940495E+04  0.6209585E+09  0.3125000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=5
  0.2326381E+04  0.6203683E+09  0.3750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=6
  0.2711509E+04  0.6197734E+09  0.4375000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=7
  0.3095878E+04  0.6191757E+09  0.5000000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=8
  0.3479490E+04  0.6185759E+09  0.5625000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=9
  0.3862343E+04  0.6179749E+09  0.6250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=10
  0.3862343E+04  0.5617953E+09  0.6875000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=11
  0.3862343E+04  0.5149791E+09  0.7500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=12
  0.3862343E+04  0.4753653E+09  0.8125000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=13
  0.3862343E+04  0.4414106E+09  0.8750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=14
  0.3862343E+04  0.4119832E+09  0.9375000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=15
  0.4049353E+04  0.4049353E+09  0.1000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=16
  0.4291596E+04  0.4039149E+09  0.1062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=17
  0.4533711E+04  0.4029965E+09  0.1125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=18
  0.4775696E+04  0.4021639E+09  0.1187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=19
  0.5017552E+04  0.4014042E+09  0.1250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=20
  0.5259272E+04  0.4007064E+09  0.1312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=21
  0.5500856E+04  0.4000623E+09  0.1375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=22
  0.5742311E+04  0.3994651E+09  0.1437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=23
  0.5983636E+04  0.3989090E+09  0.1500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=24
  0.6224830E+04  0.3983891E+09  0.1562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=25
  0.6465895E+04  0.3979012E+09  0.1625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=26
  0.6706830E+04  0.3974418E+09  0.1687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=27
  0.6947633E+04  0.3970076E+09  0.1750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=28
  0.7188306E+04  0.3965962E+09  0.1812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=29
  0.7428848E+04  0.3962052E+09  0.1875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=30
  0.7669258E+04  0.3958327E+09  0.1937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=31
  0.7909537E+04  0.3954768E+09  0.2000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=32
  0.8149683E+04  0.3951362E+09  0.2062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=33
  0.8389698E+04  0.3948093E+09  0.2125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=34
  0.8629580E+04  0.3944951E+09  0.2187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=35
  0.8869329E+04  0.3941924E+09  0.2250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=36
  0.9108946E+04  0.3939003E+09  0.2312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=37
  0.9348429E+04  0.3936181E+09  0.2375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=38
  0.9587779E+04  0.3933448E+09  0.2437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=39
  0.1006608E+05  0.3928225E+09  0.2562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=40
  0.1054384E+05  0.3923289E+09  0.2687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=41
  0.1102106E+05  0.3918600E+09  0.2812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=42
  0.1149774E+05  0.3914125E+09  0.2937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=43
  0.1197388E+05  0.3909838E+09  0.3062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=44
  0.1244947E+05  0.3905716E+09  0.3187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=45
  0.1292452E+05  0.3901741E+09  0.3312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=46
  0.1339901E+05  0.3897895E+09  0.3437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=47
  0.1387296E+05  0.3894164E+09  0.3562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=48
  0.1434635E+05  0.3890536E+09  0.3687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=49
  0.1481919E+05  0.3887000E+09  0.3812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=50
  0.1529147E+05  0.3883547E+09  0.3937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=51
  0.1576318E+05  0.3880168E+09  0.4062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=52
  0.1623434E+05  0.3876858E+09  0.4187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=53
  0.1670493E+05  0.3873608E+09  0.4312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=54
  0.1717496E+05  0.3870413E+09  0.4437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=55
  0.1764441E+05  0.3867269E+09  0.4562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=56
  0.1811330E+05  0.3864170E+09  0.4687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=57
  0.1858161E+05  0.3861114E+09  0.4812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=58
  0.1904934E+05  0.3858095E+09  0.4937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=59
  0.1951650E+05  0.3855111E+09  0.5062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=60
  0.1998307E+05  0.3852159E+09  0.5187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=61
  0.2044907E+05  0.3849236E+09  0.5312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=62
  0.2091447E+05  0.3846340E+09  0.5437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=63
  0.2137929E+05  0.3843468E+09  0.5562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=64
  0.2184352E+05  0.3840618E+09  0.5687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=65
  0.2230715E+05  0.3837789E+09  0.5812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=66
  0.2274504E+05  0.3830743E+09  0.5937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=67
  0.2313588E+05  0.3816227E+09  0.6062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=68
  0.2350172E+05  0.3798258E+09  0.6187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=69
  0.2384836E+05  0.3777958E+09  0.6312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=70
  0.2417909E+05  0.3755975E+09  0.6437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=71
  0.2449617E+05  0.3732750E+09  0.6562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=72
  0.2480132E+05  0.3708609E+09  0.6687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=73
  0.2509589E+05  0.3683800E+09  0.6812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=74
  0.2538099E+05  0.3658521E+09  0.6937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=75
  0.2565758E+05  0.3632931E+09  0.7062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=76
  0.2592647E+05  0.3607161E+09  0.7187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=77
  0.2618839E+05  0.3581318E+09  0.7312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=78
  0.2644398E+05  0.3555493E+09  0.7437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=79
  0.2741194E+05  0.3453473E+09  0.7937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=80
  0.2830847E+05  0.3355078E+09  0.8437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=81
  0.2915072E+05  0.3261619E+09  0.8937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=82
  0.2991879E+05  0.3170202E+09  0.9437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=83
  0.3059126E+05  0.3078366E+09  0.9937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=84
  0.3120368E+05  0.2989574E+09  0.1043750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=85
  0.3176790E+05  0.2904493E+09  0.1093750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=86
  0.3226351E+05  0.2820853E+09  0.1143750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=87
  0.3272405E+05  0.2741282E+09  0.1193750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=88
  0.3314215E+05  0.2664695E+09  0.1243750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=89
  0.3351525E+05  0.2590551E+09  0.1293750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=90
  0.3385593E+05  0.2519511E+09  0.1343750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=91
  0.3415110E+05  0.2450303E+09  0.1393750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=92
  0.3438957E+05  0.2381962E+09  0.1443750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=93
  0.3460286E+05  0.2316510E+09  0.1493750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=94
  0.3479838E+05  0.2254146E+09  0.1543750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=95
  0.3498008E+05  0.2194829E+09  0.1593750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=96
  0.3514886E+05  0.2138334E+09  0.1643750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=97
  0.3530717E+05  0.2084556E+09  0.1693750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=98
  0.3545322E+05  0.2033160E+09  0.1743750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=99
  0.3558976E+05  0.1984098E+09  0.1793750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=100
  0.3571768E+05  0.1937230E+09  0.1843750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=101
  0.3583660E+05  0.1892362E+09  0.1893750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=102
  0.3594779E+05  0.1849404E+09  0.1943750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=103
  0.3605179E+05  0.1808240E+09  0.1993750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=104
  0.3614933E+05  0.1768774E+09  0.2043750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=105
  0.3624105E+05  0.1730916E+09  0.2093750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=106
  0.3632662E+05  0.1694536E+09  0.2143750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=107
  0.3640718E+05  0.1659586E+09  0.2193750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=108
  0.3648260E+05  0.1625966E+09  0.2243750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=109
  0.3655019E+05  0.1593469E+09  0.2293750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=110
  0.3661465E+05  0.1562225E+09  0.2343750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=111
  0.3667256E+05  0.1532013E+09  0.2393750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=112
  0.3672631E+05  0.1502867E+09  0.2443750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=113
  0.3677787E+05  0.1474802E+09  0.2493750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=114
  0.3682468E+05  0.1447653E+09  0.2543750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=115
  0.3686946E+05  0.1421473E+09  0.2593750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=116
  0.3691304E+05  0.1396238E+09  0.2643750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=117
  0.3695227E+05  0.1371778E+09  0.2693750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=118
  0.3698914E+05  0.1348123E+09  0.2743750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=119
  0.3717452E+05  0.1221339E+09  0.3043750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=120
  0.3717452E+05  0.1111761E+09  0.3343750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=121
  120            0.4000000E+02  0.1874814E+04                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 3
  0.2233358E+02  0.1786687E+08  0.1250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=1
  0.5051549E+02  0.2020619E+08  0.2500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=2
  0.7869605E+02  0.2098561E+08  0.3750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=3
  0.1068746E+03  0.2137491E+08  0.5000000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=4
  0.1350503E+03  0.2160805E+08  0.6250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=5
  0.1632227E+03  0.2176302E+08  0.7500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=6
  0.1913909E+03  0.2187324E+08  0.8750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=7
  0.2195542E+03  0.2195542E+08  0.1000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=8
  0.2477120E+03  0.2201885E+08  0.1125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=9
  0.2758636E+03  0.2206909E+08  0.1250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=10
  0.3040083E+03  0.2210969E+08  0.1375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=11
  0.3321453E+03  0.2214302E+08  0.1500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=12
  0.3602740E+03  0.2217071E+08  0.1625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=13
  0.3883936E+03  0.2219392E+08  0.1750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=14
  0.4165036E+03  0.2221352E+08  0.1875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=15
  0.4446031E+03  0.2223015E+08  0.2000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=16
  0.4726914E+03  0.2224430E+08  0.2125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=17
  0.5007679E+03  0.2225635E+08  0.2250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=18
  0.5288318E+03  0.2226660E+08  0.2375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=19
  0.5568792E+03  0.2227517E+08  0.2500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=20
  0.5849005E+03  0.2228192E+08  0.2625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=21
  0.6128853E+03  0.2228674E+08  0.2750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=22
  0.6408236E+03  0.2228952E+08  0.2875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=23
  0.6687069E+03  0.2229023E+08  0.3000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=24
  0.6934152E+03  0.2218929E+08  0.3125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=25
  0.7152177E+03  0.2200670E+08  0.3250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=26
  0.7349131E+03  0.2177520E+08  0.3375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=27
  0.7564272E+03  0.2161221E+08  0.3500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=28
  0.7729812E+03  0.2132362E+08  0.3625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=29
  0.7921380E+03  0.2112368E+08  0.3750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=30
  0.8060759E+03  0.2080196E+08  0.3875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=31
  0.8231061E+03  0.2057765E+08  0.4000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=32
  0.8392689E+03  0.2034591E+08  0.4125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=33
  0.8501383E+03  0.2000325E+08  0.4250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=34
  0.8645477E+03  0.1976109E+08  0.4375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=35
  0.8783434E+03  0.1951874E+08  0.4500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=36
  0.8914973E+03  0.1927562E+08  0.4625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=37
  0.9039191E+03  0.1902988E+08  0.4750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=38
  0.9157067E+03  0.1878373E+08  0.4875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=39
  0.9232605E+03  0.1801484E+08  0.5125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=40
  0.9455377E+03  0.1759140E+08  0.5375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=41
  0.9666322E+03  0.1718457E+08  0.5625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=42
  0.9866256E+03  0.1679363E+08  0.5875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=43
  0.1005566E+04  0.1641740E+08  0.6125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=44
  0.1023568E+04  0.1605598E+08  0.6375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=45
  0.1040758E+04  0.1570955E+08  0.6625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=46
  0.1057193E+04  0.1537735E+08  0.6875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=47
  0.1072874E+04  0.1505788E+08  0.7125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=48
  0.1087923E+04  0.1475150E+08  0.7375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=49
  0.1102413E+04  0.1445787E+08  0.7625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=50
  0.1116413E+04  0.1417667E+08  0.7875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=51
  0.1129909E+04  0.1390657E+08  0.8125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=52
  0.1142837E+04  0.1364581E+08  0.8375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=53
  0.1155438E+04  0.1339639E+08  0.8625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=54
  0.1167628E+04  0.1315637E+08  0.8875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=55
  0.1179374E+04  0.1292464E+08  0.9125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=56
  0.1190938E+04  0.1270334E+08  0.9375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=57
  0.1201945E+04  0.1248774E+08  0.9625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=58
  0.1212861E+04  0.1228214E+08  0.9875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=59
  0.1223297E+04  0.1208194E+08  0.1012500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=60
  0.1233667E+04  0.1189077E+08  0.1037500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=61
  0.1243567E+04  0.1170416E+08  0.1062500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=62
  0.1253437E+04  0.1152586E+08  0.1087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=63
  0.1262888E+04  0.1135180E+08  0.1112500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=64
  0.1272252E+04  0.1118463E+08  0.1137500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=65
  0.1281387E+04  0.1102269E+08  0.1162500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=66
  0.1290273E+04  0.1086546E+08  0.1187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=67
  0.1299132E+04  0.1071449E+08  0.1212500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=68
  0.1307636E+04  0.1056675E+08  0.1237500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=69
  0.1316061E+04  0.1042425E+08  0.1262500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=70
  0.1324458E+04  0.1028705E+08  0.1287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=71
  0.1332479E+04  0.1015222E+08  0.1312500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=72
  0.1340475E+04  0.1002224E+08  0.1337500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=73
  0.1348445E+04  0.9896841E+07  0.1362500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=74
  0.1356097E+04  0.9773672E+07  0.1387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=75
  0.1363678E+04  0.9654360E+07  0.1412500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=76
  0.1371235E+04  0.9539025E+07  0.1437500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=77
  0.1378641E+04  0.9426605E+07  0.1462500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=78
  0.1385832E+04  0.9316520E+07  0.1487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=79
  0.1413906E+04  0.8906495E+07  0.1587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=80
  0.1440555E+04  0.8536623E+07  0.1687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=81
  0.1466000E+04  0.8201399E+07  0.1787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=82
  0.1490241E+04  0.7895317E+07  0.1887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=83
  0.1513468E+04  0.7614931E+07  0.1987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=84
  0.1535976E+04  0.7357968E+07  0.2087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=85
  0.1557547E+04  0.7120217E+07  0.2187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=86
  0.1578482E+04  0.6900466E+07  0.2287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=87
  0.1598709E+04  0.6696162E+07  0.2387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=88
  0.1618391E+04  0.6506096E+07  0.2487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=89
  0.1637376E+04  0.6328022E+07  0.2587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=90
  0.1656023E+04  0.6161945E+07  0.2687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=91
  0.1673918E+04  0.6005085E+07  0.2787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=92
  0.1691417E+04  0.5857722E+07  0.2887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=93
  0.1708571E+04  0.5719065E+07  0.2987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=94
  0.1725075E+04  0.5587288E+07  0.3087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=95
  0.1741125E+04  0.5462353E+07  0.3187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=96
  0.1756761E+04  0.5343760E+07  0.3287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=97
  0.1771980E+04  0.5230938E+07  0.3387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=98
  0.1786356E+04  0.5122168E+07  0.3487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=99
  0.1799234E+04  0.5015288E+07  0.3587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=100
  0.1811084E+04  0.4911415E+07  0.3687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=101
  0.1822436E+04  0.4811712E+07  0.3787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=102
  0.1833340E+04  0.4715986E+07  0.3887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=103
  0.1843704E+04  0.4623709E+07  0.3987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=104
  0.1853608E+04  0.4534820E+07  0.4087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=105
  0.1863054E+04  0.4449084E+07  0.4187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=106
  0.1871557E+04  0.4365147E+07  0.4287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=107
  0.1878599E+04  0.4281708E+07  0.4387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=108
  0.1884649E+04  0.4199776E+07  0.4487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=109
  0.1890234E+04  0.4120401E+07  0.4587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=110
  0.1895452E+04  0.4043632E+07  0.4687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=111
  0.1900168E+04  0.3969020E+07  0.4787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=112
  0.1904553E+04  0.3896784E+07  0.4887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=113
  0.1908612E+04  0.3826791E+07  0.4987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=114
  0.1912395E+04  0.3759006E+07  0.5087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=115
  0.1915957E+04  0.3693411E+07  0.5187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=116
  0.1919232E+04  0.3629754E+07  0.5287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=117
  0.1922309E+04  0.3568091E+07  0.5387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=118
  0.1925212E+04  0.3508359E+07  0.5487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=119
  0.1938758E+04  0.3184817E+07  0.6087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=120
  121            0.4000000E+02  0.3119819E+04                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 4
  0.7965812E+02  0.6372649E+08  0.1250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=1
  0.1650001E+03  0.6600004E+08  0.2500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=2
  0.2503332E+03  0.6675551E+08  0.3750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=3
  0.3356528E+03  0.6713056E+08  0.5000000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=4
  0.4209545E+03  0.6735272E+08  0.6250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=5
  0.5062337E+03  0.6749783E+08  0.7500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=6
  0.5914860E+03  0.6759840E+08  0.8750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=7
  0.6767067E+03  0.6767067E+08  0.1000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=8
  0.7618915E+03  0.6772369E+08  0.1125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=9
  0.8470357E+03  0.6776285E+08  0.1250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=10
  0.9321326E+03  0.6779146E+08  0.1375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=11
  0.1017139E+04  0.6780926E+08  0.1500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=12
  0.1101979E+04  0.6781407E+08  0.1625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=13
  0.1186585E+04  0.6780485E+08  0.1750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=14
  0.1263673E+04  0.6739589E+08  0.1875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=15
  0.1324751E+04  0.6623756E+08  0.2000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=16
  0.1374899E+04  0.6470111E+08  0.2125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=17
  0.1415888E+04  0.6292836E+08  0.2250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=18
  0.1459500E+04  0.6145264E+08  0.2375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=19
  0.1497553E+04  0.5990211E+08  0.2500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=20
  0.1518033E+04  0.5782982E+08  0.2625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=21
  0.1544453E+04  0.5616194E+08  0.2750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=22
  0.1544453E+04  0.5372012E+08  0.2875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=23
  0.1544453E+04  0.5148178E+08  0.3000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=24
  0.1564679E+04  0.5006974E+08  0.3125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=25
  0.1587433E+04  0.4884408E+08  0.3250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=26
  0.1608957E+04  0.4767281E+08  0.3375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=27
  0.1629290E+04  0.4655114E+08  0.3500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=28
  0.1648649E+04  0.4547997E+08  0.3625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=29
  0.1667133E+04  0.4445687E+08  0.3750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=30
  0.1684828E+04  0.4347944E+08  0.3875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=31
  0.1701731E+04  0.4254326E+08  0.4000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=32
  0.1717947E+04  0.4164720E+08  0.4125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=33
  0.1733571E+04  0.4078991E+08  0.4250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=34
  0.1748676E+04  0.3996973E+08  0.4375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=35
  0.1763328E+04  0.3918506E+08  0.4500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=36
  0.1777347E+04  0.3842912E+08  0.4625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=37
  0.1790978E+04  0.3770479E+08  0.4750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=38
  0.1804314E+04  0.3701157E+08  0.4875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=39
  0.1829617E+04  0.3569984E+08  0.5125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=40
  0.1853644E+04  0.3448639E+08  0.5375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=41
  0.1876549E+04  0.3336087E+08  0.5625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=42
  0.1898496E+04  0.3231483E+08  0.5875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=43
  0.1919598E+04  0.3134038E+08  0.6125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=44
  0.1939936E+04  0.3043038E+08  0.6375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=45
  0.1959491E+04  0.2957722E+08  0.6625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=46
  0.1978348E+04  0.2877597E+08  0.6875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=47
  0.1996706E+04  0.2802394E+08  0.7125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=48
  0.2014621E+04  0.2731690E+08  0.7375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=49
  0.2031845E+04  0.2664715E+08  0.7625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=50
  0.2048805E+04  0.2601657E+08  0.7875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=51
  0.2065272E+04  0.2541873E+08  0.8125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=52
  0.2081410E+04  0.2485266E+08  0.8375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=53
  0.2097206E+04  0.2431544E+08  0.8625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=54
  0.2112688E+04  0.2380494E+08  0.8875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=55
  0.2127857E+04  0.2331898E+08  0.9125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=56
  0.2142838E+04  0.2285693E+08  0.9375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=57
  0.2157421E+04  0.2241477E+08  0.9625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=58
  0.2171976E+04  0.2199470E+08  0.9875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=59
  0.2186085E+04  0.2159096E+08  0.1012500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=60
  0.2200097E+04  0.2120576E+08  0.1037500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=61
  0.2214023E+04  0.2083787E+08  0.1062500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=62
  0.2227532E+04  0.2048305E+08  0.1087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=63
  0.2241014E+04  0.2014395E+08  0.1112500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=64
  0.2254442E+04  0.1981927E+08  0.1137500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=65
  0.2267460E+04  0.1950503E+08  0.1162500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=66
  0.2280451E+04  0.1920380E+08  0.1187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=67
  0.2293416E+04  0.1891477E+08  0.1212500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=68
  0.2306132E+04  0.1863541E+08  0.1237500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=69
  0.2318672E+04  0.1836572E+08  0.1262500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=70
  0.2331185E+04  0.1810629E+08  0.1287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=71
  0.2343672E+04  0.1785655E+08  0.1312500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=72
  0.2355919E+04  0.1761435E+08  0.1337500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=73
  0.2368018E+04  0.1737995E+08  0.1362500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=74
  0.2380092E+04  0.1715382E+08  0.1387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=75
  0.2392140E+04  0.1693551E+08  0.1412500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=76
  0.2404139E+04  0.1672445E+08  0.1437500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=77
  0.2415835E+04  0.1651853E+08  0.1462500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=78
  0.2427507E+04  0.1631937E+08  0.1487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=79
  0.2473736E+04  0.1558259E+08  0.1587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=80
  0.2518710E+04  0.1492569E+08  0.1687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=81
  0.2562707E+04  0.1433682E+08  0.1787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=82
  0.2605968E+04  0.1380645E+08  0.1887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=83
  0.2648248E+04  0.1332452E+08  0.1987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=84
  0.2689828E+04  0.1288541E+08  0.2087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=85
  0.2726444E+04  0.1246374E+08  0.2187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=86
  0.2760792E+04  0.1206903E+08  0.2287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=87
  0.2794097E+04  0.1170302E+08  0.2387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=88
  0.2825890E+04  0.1136036E+08  0.2487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=89
  0.2851801E+04  0.1102145E+08  0.2587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=90
  0.2874074E+04  0.1069423E+08  0.2687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=91
  0.2894597E+04  0.1038420E+08  0.2787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=92
  0.2913442E+04  0.1008984E+08  0.2887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=93
  0.2931166E+04  0.9811434E+07  0.2987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=94
  0.2947904E+04  0.9547867E+07  0.3087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=95
  0.2963586E+04  0.9297526E+07  0.3187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=96
  0.2978153E+04  0.9059022E+07  0.3287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=97
  0.2991941E+04  0.8832297E+07  0.3387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=98
  0.3005055E+04  0.8616645E+07  0.3487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=99
  0.3017496E+04  0.8411138E+07  0.3587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=100
  0.3029354E+04  0.8215196E+07  0.3687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=101
  0.3040278E+04  0.8027137E+07  0.3787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=102
  0.3050733E+04  0.7847544E+07  0.3887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=103
  0.3060675E+04  0.7675674E+07  0.3987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=104
  0.3070258E+04  0.7511334E+07  0.4087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=105
  0.3079365E+04  0.7353706E+07  0.4187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=106
  0.3088145E+04  0.7202670E+07  0.4287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=107
  0.3096594E+04  0.7057763E+07  0.4387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=108
  0.3104651E+04  0.6918443E+07  0.4487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=109
  0.3112297E+04  0.6784298E+07  0.4587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=110
  0.3119297E+04  0.6654500E+07  0.4687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=111
  0.3125434E+04  0.6528321E+07  0.4787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=112
  0.3130480E+04  0.6405074E+07  0.4887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=113
  0.3134934E+04  0.6285581E+07  0.4987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=114
  0.3138952E+04  0.6169931E+07  0.5087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=115
  0.3142672E+04  0.6058163E+07  0.5187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=116
  0.3146136E+04  0.5950139E+07  0.5287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=117
  0.3149360E+04  0.5845680E+07  0.5387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=118
  0.3152257E+04  0.5744431E+07  0.5487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=119
  0.3165168E+04  0.5199454E+07  0.6087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=120
  0.3165168E+04  0.4732961E+07  0.6687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=121
  128            0.4000000E+02  0.3761676E+04                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 5
  0.1465693E+03  0.1172554E+09  0.1250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=1
  0.2992412E+03  0.1196965E+09  0.2500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=2
  0.4518940E+03  0.1205051E+09  0.3750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=3
  0.6045180E+03  0.1209036E+09  0.5000000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=4
  0.7571036E+03  0.1211366E+09  0.6250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=5
  0.9096410E+03  0.1212855E+09  0.7500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=6
  0.1062121E+04  0.1213852E+09  0.8750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=7
  0.1214507E+04  0.1214507E+09  0.1000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=8
  0.1366578E+04  0.1214736E+09  0.1125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=9
  0.1518123E+04  0.1214498E+09  0.1250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=10
  0.1669020E+04  0.1213833E+09  0.1375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=11
  0.1760634E+04  0.1173756E+09  0.1500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=12
  0.1796089E+04  0.1105285E+09  0.1625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=13
  0.1834332E+04  0.1048190E+09  0.1750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=14
  0.1861515E+04  0.9928080E+08  0.1875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=15
  0.1893205E+04  0.9466027E+08  0.2000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=16
  0.1893205E+04  0.8909202E+08  0.2125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=17
  0.1893205E+04  0.8414247E+08  0.2250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=18
  0.1893205E+04  0.7971391E+08  0.2375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=19
  0.1902716E+04  0.7610866E+08  0.2500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=20
  0.1928240E+04  0.7345676E+08  0.2625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=21
  0.1952039E+04  0.7098324E+08  0.2750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=22
  0.1974574E+04  0.6868083E+08  0.2875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=23
  0.1995930E+04  0.6653102E+08  0.3000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=24
  0.2016156E+04  0.6451699E+08  0.3125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=25
  0.2035486E+04  0.6263035E+08  0.3250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=26
  0.2054020E+04  0.6085986E+08  0.3375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=27
  0.2071866E+04  0.5919618E+08  0.3500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=28
  0.2089105E+04  0.5763049E+08  0.3625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=29
  0.2105749E+04  0.5615331E+08  0.3750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=30
  0.2121776E+04  0.5475550E+08  0.3875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=31
  0.2137345E+04  0.5343362E+08  0.4000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=32
  0.2152524E+04  0.5218240E+08  0.4125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=33
  0.2167304E+04  0.5099539E+08  0.4250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=34
  0.2181598E+04  0.4986510E+08  0.4375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=35
  0.2195658E+04  0.4879240E+08  0.4500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=36
  0.2209340E+04  0.4776951E+08  0.4625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=37
  0.2222719E+04  0.4679408E+08  0.4750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=38
  0.2235889E+04  0.4586440E+08  0.4875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=39
  0.2261381E+04  0.4412450E+08  0.5125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=40
  0.2285942E+04  0.4252916E+08  0.5375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=41
  0.2309699E+04  0.4106131E+08  0.5625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=42
  0.2332768E+04  0.3970670E+08  0.5875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=43
  0.2355267E+04  0.3845334E+08  0.6125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=44
  0.2377211E+04  0.3728958E+08  0.6375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=45
  0.2398510E+04  0.3620392E+08  0.6625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=46
  0.2419499E+04  0.3519272E+08  0.6875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=47
  0.2439980E+04  0.3424534E+08  0.7125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=48
  0.2460106E+04  0.3335738E+08  0.7375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=49
  0.2479907E+04  0.3252337E+08  0.7625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=50
  0.2499350E+04  0.3173777E+08  0.7875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=51
  0.2518509E+04  0.3099704E+08  0.8125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=52
  0.2537444E+04  0.3029783E+08  0.8375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=53
  0.2556000E+04  0.2963478E+08  0.8625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=54
  0.2574535E+04  0.2900885E+08  0.8875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=55
  0.2592587E+04  0.2841191E+08  0.9125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=56
  0.2610556E+04  0.2784593E+08  0.9375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=57
  0.2628471E+04  0.2730879E+08  0.9625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=58
  0.2645910E+04  0.2679402E+08  0.9875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=59
  0.2663329E+04  0.2630448E+08  0.1012500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=60
  0.2680727E+04  0.2583834E+08  0.1037500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=61
  0.2697714E+04  0.2539025E+08  0.1062500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=62
  0.2714616E+04  0.2496199E+08  0.1087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=63
  0.2731499E+04  0.2455280E+08  0.1112500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=64
  0.2748295E+04  0.2416084E+08  0.1137500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=65
  0.2764709E+04  0.2378245E+08  0.1162500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=66
  0.2781105E+04  0.2341983E+08  0.1187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=67
  0.2797482E+04  0.2307201E+08  0.1212500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=68
  0.2813840E+04  0.2273810E+08  0.1237500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=69
  0.2829825E+04  0.2241446E+08  0.1262500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=70
  0.2845732E+04  0.2210278E+08  0.1287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=71
  0.2861622E+04  0.2180283E+08  0.1312500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=72
  0.2877493E+04  0.2151397E+08  0.1337500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=73
  0.2893347E+04  0.2123557E+08  0.1362500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=74
  0.2908861E+04  0.2096476E+08  0.1387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=75
  0.2924285E+04  0.2070290E+08  0.1412500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=76
  0.2939692E+04  0.2045003E+08  0.1437500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=77
  0.2955083E+04  0.2020570E+08  0.1462500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=78
  0.2970456E+04  0.1996946E+08  0.1487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=79
  0.3030803E+04  0.1909167E+08  0.1587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=80
  0.3090501E+04  0.1831408E+08  0.1687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=81
  0.3148861E+04  0.1761600E+08  0.1787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=82
  0.3203007E+04  0.1696957E+08  0.1887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=83
  0.3240034E+04  0.1630206E+08  0.1987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=84
  0.3273413E+04  0.1568102E+08  0.2087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=85
  0.3303672E+04  0.1510250E+08  0.2187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=86
  0.3331199E+04  0.1456262E+08  0.2287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=87
  0.3357032E+04  0.1406087E+08  0.2387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=88
  0.3380835E+04  0.1359130E+08  0.2487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=89
  0.3403124E+04  0.1315217E+08  0.2587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=90
  0.3424430E+04  0.1274207E+08  0.2687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=91
  0.3444668E+04  0.1235755E+08  0.2787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=92
  0.3463550E+04  0.1199498E+08  0.2887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=93
  0.3481798E+04  0.1165455E+08  0.2987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=94
  0.3499486E+04  0.1133437E+08  0.3087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=95
  0.3516628E+04  0.1103256E+08  0.3187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=96
  0.3532656E+04  0.1074572E+08  0.3287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=97
  0.3548282E+04  0.1047463E+08  0.3387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=98
  0.3563540E+04  0.1021804E+08  0.3487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=99
  0.3578461E+04  0.9974804E+07  0.3587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=100
  0.3592713E+04  0.9742950E+07  0.3687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=101
  0.3604666E+04  0.9517271E+07  0.3787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=102
  0.3614485E+04  0.9297710E+07  0.3887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=103
  0.3623704E+04  0.9087658E+07  0.3987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=104
  0.3632402E+04  0.8886611E+07  0.4087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=105
  0.3640635E+04  0.8694053E+07  0.4187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=106
  0.3648446E+04  0.8509494E+07  0.4287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=107
  0.3655837E+04  0.8332392E+07  0.4387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=108
  0.3662370E+04  0.8161271E+07  0.4487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=109
  0.3668587E+04  0.7996919E+07  0.4587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=110
  0.3674510E+04  0.7838955E+07  0.4687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=111
  0.3680163E+04  0.7687024E+07  0.4787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=112
  0.3685562E+04  0.7540793E+07  0.4887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=113
  0.3690725E+04  0.7399950E+07  0.4987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=114
  0.3695665E+04  0.7264206E+07  0.5087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=115
  0.3700393E+04  0.7133288E+07  0.5187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=116
  0.3704765E+04  0.7006649E+07  0.5287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=117
  0.3708695E+04  0.6883889E+07  0.5387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=118
  0.3712451E+04  0.6765286E+07  0.5487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=119
  0.3731137E+04  0.6129178E+07  0.6087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=120
  0.3744514E+04  0.5599274E+07  0.6687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=121
  0.3753320E+04  0.5150354E+07  0.7287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=122
  0.3759652E+04  0.4766596E+07  0.7887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=123
  0.3763991E+04  0.4434746E+07  0.8487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=124
  0.3766627E+04  0.4144844E+07  0.9087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=125
  0.3767843E+04  0.3889386E+07  0.9687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=126
  0.3767843E+04  0.3662545E+07  0.1028750E-02                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=127
  0.3767843E+04  0.3460705E+07  0.1088750E-02                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=128
  125            0.4000000E+02  0.1595020E+04                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 6
  0.4574928E+02  0.3659942E+08  0.1250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=1
  0.9527506E+02  0.3811002E+08  0.2500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=2
  0.1447979E+03  0.3861276E+08  0.3750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=3
  0.1943162E+03  0.3886323E+08  0.5000000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=4
  0.2438285E+03  0.3901255E+08  0.6250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=5
  0.2933333E+03  0.3911110E+08  0.7500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=6
  0.3428290E+03  0.3918046E+08  0.8750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=7
  0.3923143E+03  0.3923143E+08  0.1000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=8
  0.4417875E+03  0.3927000E+08  0.1125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=9
  0.4912341E+03  0.3929873E+08  0.1250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=10
  0.5406092E+03  0.3931703E+08  0.1375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=11
  0.5898752E+03  0.3932501E+08  0.1500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=12
  0.6390053E+03  0.3932340E+08  0.1625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=13
  0.6832559E+03  0.3904319E+08  0.1750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=14
  0.7148219E+03  0.3812383E+08  0.1875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=15
  0.7362399E+03  0.3681200E+08  0.2000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=16
  0.7646274E+03  0.3598247E+08  0.2125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=17
  0.7836552E+03  0.3482912E+08  0.2250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=18
  0.8057146E+03  0.3392483E+08  0.2375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=19
  0.8185769E+03  0.3274308E+08  0.2500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=20
  0.8185769E+03  0.3118388E+08  0.2625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=21
  0.8185769E+03  0.2976643E+08  0.2750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=22
  0.8261638E+03  0.2873613E+08  0.2875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=23
  0.8412334E+03  0.2804111E+08  0.3000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=24
  0.8554896E+03  0.2737567E+08  0.3125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=25
  0.8689989E+03  0.2673843E+08  0.3250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=26
  0.8818258E+03  0.2612817E+08  0.3375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=27
  0.8940329E+03  0.2554380E+08  0.3500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=28
  0.9056807E+03  0.2498429E+08  0.3625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=29
  0.9168280E+03  0.2444875E+08  0.3750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=30
  0.9275316E+03  0.2393630E+08  0.3875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=31
  0.9378371E+03  0.2344593E+08  0.4000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=32
  0.9476132E+03  0.2297244E+08  0.4125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=33
  0.9570759E+03  0.2251943E+08  0.4250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=34
  0.9662756E+03  0.2208630E+08  0.4375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=35
  0.9750251E+03  0.2166723E+08  0.4500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=36
  0.9835388E+03  0.2126570E+08  0.4625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=37
  0.9918089E+03  0.2088019E+08  0.4750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=38
  0.9997257E+03  0.2050719E+08  0.4875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=39
  0.1014944E+04  0.1980378E+08  0.5125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=40
  0.1029310E+04  0.1914995E+08  0.5375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=41
  0.1042939E+04  0.1854113E+08  0.5625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=42
  0.1055920E+04  0.1797311E+08  0.5875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=43
  0.1068330E+04  0.1744213E+08  0.6125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=44
  0.1080062E+04  0.1694214E+08  0.6375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=45
  0.1091315E+04  0.1647268E+08  0.6625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=46
  0.1102202E+04  0.1603203E+08  0.6875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=47
  0.1112607E+04  0.1561553E+08  0.7125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=48
  0.1122609E+04  0.1522181E+08  0.7375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=49
  0.1132395E+04  0.1485108E+08  0.7625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=50
  0.1141656E+04  0.1449722E+08  0.7875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=51
  0.1150841E+04  0.1416419E+08  0.8125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=52
  0.1159517E+04  0.1384498E+08  0.8375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=53
  0.1168175E+04  0.1354405E+08  0.8625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=54
  0.1176357E+04  0.1325473E+08  0.8875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=55
  0.1184502E+04  0.1298085E+08  0.9125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=56
  0.1192332E+04  0.1271821E+08  0.9375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=57
  0.1199999E+04  0.1246752E+08  0.9625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=58
  0.1207591E+04  0.1222877E+08  0.9875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=59
  0.1214810E+04  0.1199812E+08  0.1012500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=60
  0.1222014E+04  0.1177845E+08  0.1037500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=61
  0.1229075E+04  0.1156776E+08  0.1062500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=62
  0.1235863E+04  0.1136426E+08  0.1087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=63
  0.1242636E+04  0.1116977E+08  0.1112500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=64
  0.1249324E+04  0.1098307E+08  0.1137500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=65
  0.1255713E+04  0.1080183E+08  0.1162500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=66
  0.1262088E+04  0.1062811E+08  0.1187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=67
  0.1268448E+04  0.1046143E+08  0.1212500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=68
  0.1274569E+04  0.1029955E+08  0.1237500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=69
  0.1280575E+04  0.1014317E+08  0.1262500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=70
  0.1286298E+04  0.9990661E+07  0.1287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=71
  0.1291630E+04  0.9840987E+07  0.1312500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=72
  0.1296668E+04  0.9694715E+07  0.1337500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=73
  0.1301607E+04  0.9553077E+07  0.1362500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=74
  0.1306510E+04  0.9416287E+07  0.1387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=75
  0.1311379E+04  0.9284097E+07  0.1412500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=76
  0.1316093E+04  0.9155430E+07  0.1437500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=77
  0.1320608E+04  0.9029797E+07  0.1462500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=78
  0.1325092E+04  0.8908179E+07  0.1487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=79
  0.1342341E+04  0.8455691E+07  0.1587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=80
  0.1358503E+04  0.8050385E+07  0.1687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=81
  0.1373346E+04  0.7683053E+07  0.1787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=82
  0.1387500E+04  0.7350996E+07  0.1887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=83
  0.1400795E+04  0.7048023E+07  0.1987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=84
  0.1413401E+04  0.6770786E+07  0.2087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=85
  0.1425370E+04  0.6515975E+07  0.2187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=86
  0.1436850E+04  0.6281312E+07  0.2287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=87
  0.1447657E+04  0.6063484E+07  0.2387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=88
  0.1458256E+04  0.5862336E+07  0.2487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=89
  0.1467850E+04  0.5672851E+07  0.2587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=90
  0.1476259E+04  0.5493056E+07  0.2687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=91
  0.1484060E+04  0.5323981E+07  0.2787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=92
  0.1491063E+04  0.5163856E+07  0.2887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=93
  0.1497740E+04  0.5013354E+07  0.2987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=94
  0.1504180E+04  0.4871838E+07  0.3087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=95
  0.1510175E+04  0.4737804E+07  0.3187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=96
  0.1515682E+04  0.4610440E+07  0.3287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=97
  0.1520994E+04  0.4490020E+07  0.3387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=98
  0.1526121E+04  0.4375973E+07  0.3487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=99
  0.1530937E+04  0.4267420E+07  0.3587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=100
  0.1535294E+04  0.4163508E+07  0.3687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=101
  0.1539493E+04  0.4064668E+07  0.3787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=102
  0.1543540E+04  0.3970521E+07  0.3887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=103
  0.1547440E+04  0.3880728E+07  0.3987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=104
  0.1551126E+04  0.3794803E+07  0.4087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=105
  0.1554402E+04  0.3712006E+07  0.4187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=106
  0.1557551E+04  0.3632772E+07  0.4287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=107
  0.1560574E+04  0.3556864E+07  0.4387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=108
  0.1563474E+04  0.3484065E+07  0.4487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=109
  0.1566210E+04  0.3414082E+07  0.4587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=110
  0.1568797E+04  0.3346767E+07  0.4687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=111
  0.1571124E+04  0.3281721E+07  0.4787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=112
  0.1573208E+04  0.3218841E+07  0.4887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=113
  0.1575184E+04  0.3158264E+07  0.4987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=114
  0.1577079E+04  0.3099909E+07  0.5087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=115
  0.1578865E+04  0.3043595E+07  0.5187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=116
  0.1580536E+04  0.2989194E+07  0.5287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=117
  0.1582140E+04  0.2936686E+07  0.5387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=118
  0.1583676E+04  0.2885970E+07  0.5487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=119
  0.1590547E+04  0.2612808E+07  0.6087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=120
  0.1595130E+04  0.2385241E+07  0.6687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=121
  0.1598061E+04  0.2192880E+07  0.7287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=122
  0.1599427E+04  0.2027800E+07  0.7887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=123
  0.1599884E+04  0.1884989E+07  0.8487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=124
  0.1599884E+04  0.1760533E+07  0.9087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=125
  122            0.4000000E+02  0.3360287E+04                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 7
  0.9429322E+02  0.7543458E+08  0.1250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=1
  0.1946735E+03  0.7786942E+08  0.2500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=2
  0.2950438E+03  0.7867835E+08  0.3750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=3
  0.3953989E+03  0.7907978E+08  0.5000000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=4
  0.4957338E+03  0.7931741E+08  0.6250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=5
  0.5960433E+03  0.7947244E+08  0.7500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=6
  0.6963224E+03  0.7957971E+08  0.8750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=7
  0.7965660E+03  0.7965660E+08  0.1000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=8
  0.8967687E+03  0.7971277E+08  0.1125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=9
  0.9968820E+03  0.7975056E+08  0.1250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=10
  0.1096793E+04  0.7976675E+08  0.1375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=11
  0.1196413E+04  0.7976087E+08  0.1500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=12
  0.1295681E+04  0.7973422E+08  0.1625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=13
  0.1356279E+04  0.7750167E+08  0.1750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=14
  0.1405512E+04  0.7496063E+08  0.1875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=15
  0.1454869E+04  0.7274343E+08  0.2000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=16
  0.1497053E+04  0.7044956E+08  0.2125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=17
  0.1542741E+04  0.6856627E+08  0.2250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=18
  0.1570372E+04  0.6612094E+08  0.2375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=19
  0.1570372E+04  0.6281489E+08  0.2500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=20
  0.1570372E+04  0.5982371E+08  0.2625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=21
  0.1590717E+04  0.5784426E+08  0.2750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=22
  0.1617126E+04  0.5624785E+08  0.2875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=23
  0.1641796E+04  0.5472655E+08  0.3000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=24
  0.1665124E+04  0.5328396E+08  0.3125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=25
  0.1687239E+04  0.5191503E+08  0.3250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=26
  0.1708261E+04  0.5061515E+08  0.3375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=27
  0.1728304E+04  0.4938011E+08  0.3500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=28
  0.1747470E+04  0.4820607E+08  0.3625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=29
  0.1765856E+04  0.4708949E+08  0.3750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=30
  0.1783552E+04  0.4602714E+08  0.3875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=31
  0.1800642E+04  0.4501605E+08  0.4000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=32
  0.1817165E+04  0.4405248E+08  0.4125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=33
  0.1833020E+04  0.4312988E+08  0.4250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=34
  0.1848461E+04  0.4225054E+08  0.4375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=35
  0.1863557E+04  0.4141237E+08  0.4500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=36
  0.1878053E+04  0.4060655E+08  0.4625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=37
  0.1892277E+04  0.3983741E+08  0.4750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=38
  0.1906183E+04  0.3910120E+08  0.4875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=39
  0.1933044E+04  0.3771794E+08  0.5125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=40
  0.1958733E+04  0.3644154E+08  0.5375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=41
  0.1983383E+04  0.3526015E+08  0.5625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=42
  0.2007129E+04  0.3416390E+08  0.5875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=43
  0.2030098E+04  0.3314445E+08  0.6125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=44
  0.2052410E+04  0.3219467E+08  0.6375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=45
  0.2074182E+04  0.3130841E+08  0.6625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=46
  0.2095144E+04  0.3047482E+08  0.6875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=47
  0.2115712E+04  0.2969420E+08  0.7125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=48
  0.2135861E+04  0.2896083E+08  0.7375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=49
  0.2155424E+04  0.2826785E+08  0.7625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=50
  0.2174809E+04  0.2761662E+08  0.7875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=51
  0.2193555E+04  0.2699760E+08  0.8125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=52
  0.2212222E+04  0.2641459E+08  0.8375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=53
  0.2230330E+04  0.2585890E+08  0.8625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=54
  0.2248324E+04  0.2533323E+08  0.8875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=55
  0.2265966E+04  0.2483250E+08  0.9125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=56
  0.2283330E+04  0.2435552E+08  0.9375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=57
  0.2300658E+04  0.2390294E+08  0.9625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=58
  0.2317442E+04  0.2346777E+08  0.9875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=59
  0.2334183E+04  0.2305366E+08  0.1012500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=60
  0.2350857E+04  0.2265886E+08  0.1037500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=61
  0.2367050E+04  0.2227812E+08  0.1062500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=62
  0.2383210E+04  0.2191458E+08  0.1087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=63
  0.2399337E+04  0.2156707E+08  0.1112500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=64
  0.2415096E+04  0.2123161E+08  0.1137500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=65
  0.2430715E+04  0.2090938E+08  0.1162500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=66
  0.2446302E+04  0.2060044E+08  0.1187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=67
  0.2461857E+04  0.2030397E+08  0.1212500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=68
  0.2476989E+04  0.2001607E+08  0.1237500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=69
  0.2492076E+04  0.1973922E+08  0.1262500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=70
  0.2507131E+04  0.1947286E+08  0.1287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=71
  0.2522155E+04  0.1921642E+08  0.1312500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=72
  0.2536933E+04  0.1896772E+08  0.1337500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=73
  0.2551526E+04  0.1872680E+08  0.1362500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=74
  0.2566089E+04  0.1849433E+08  0.1387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=75
  0.2580621E+04  0.1826988E+08  0.1412500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=76
  0.2595122E+04  0.1805303E+08  0.1437500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=77
  0.2609440E+04  0.1784232E+08  0.1462500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=78
  0.2623547E+04  0.1763729E+08  0.1487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=79
  0.2679681E+04  0.1687988E+08  0.1587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=80
  0.2734326E+04  0.1620342E+08  0.1687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=81
  0.2788299E+04  0.1559887E+08  0.1787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=82
  0.2840775E+04  0.1505047E+08  0.1887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=83
  0.2892794E+04  0.1455494E+08  0.1987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=84
  0.2937878E+04  0.1407367E+08  0.2087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=85
  0.2970937E+04  0.1358142E+08  0.2187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=86
  0.3000834E+04  0.1311840E+08  0.2287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=87
  0.3027646E+04  0.1268124E+08  0.2387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=88
  0.3052582E+04  0.1227169E+08  0.2487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=89
  0.3075555E+04  0.1188620E+08  0.2587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=90
  0.3096603E+04  0.1152224E+08  0.2687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=91
  0.3116502E+04  0.1118027E+08  0.2787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=92
  0.3135391E+04  0.1085850E+08  0.2887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=93
  0.3152653E+04  0.1055281E+08  0.2987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=94
  0.3169035E+04  0.1026408E+08  0.3087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=95
  0.3184695E+04  0.9991201E+07  0.3187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=96
  0.3199691E+04  0.9732900E+07  0.3287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=97
  0.3213769E+04  0.9487141E+07  0.3387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=98
  0.3226948E+04  0.9252899E+07  0.3487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=99
  0.3239585E+04  0.9030201E+07  0.3587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=100
  0.3251548E+04  0.8817757E+07  0.3687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=101
  0.3263066E+04  0.8615356E+07  0.3787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=102
  0.3273986E+04  0.8421828E+07  0.3887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=103
  0.3284359E+04  0.8236638E+07  0.3987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=104
  0.3294029E+04  0.8058788E+07  0.4087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=105
  0.3303364E+04  0.7888629E+07  0.4187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=106
  0.3312383E+04  0.7725674E+07  0.4287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=107
  0.3321005E+04  0.7569242E+07  0.4387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=108
  0.3328546E+04  0.7417372E+07  0.4487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=109
  0.3335090E+04  0.7269951E+07  0.4587500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=110
  0.3340470E+04  0.7126336E+07  0.4687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=111
  0.3345477E+04  0.6987943E+07  0.4787500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=112
  0.3350031E+04  0.6854283E+07  0.4887500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=113
  0.3353980E+04  0.6724773E+07  0.4987500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=114
  0.3357656E+04  0.6599816E+07  0.5087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=115
  0.3361087E+04  0.6479204E+07  0.5187500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=116
  0.3364288E+04  0.6362720E+07  0.5287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=117
  0.3367168E+04  0.6249964E+07  0.5387500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=118
  0.3369854E+04  0.6140963E+07  0.5487500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=119
  0.3382300E+04  0.5556139E+07  0.6087500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=120
  0.3389134E+04  0.5067864E+07  0.6687500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=121
  0.3389134E+04  0.4650612E+07  0.7287500E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=122
  150            0.4000000E+02  0.3000000E+04                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kip) for elastic-plastic EI at top of section
  0.3000000E+05  0.7392100E+11  0.4058387E-06                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=1
  0.6000000E+05  0.7392100E+11  0.8116773E-06                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=2
  0.9000000E+05  0.7392100E+11  0.1217516E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=3
  0.1200000E+06  0.7392100E+11  0.1623355E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=4
  0.1500000E+06  0.7392100E+11  0.2029193E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=5
  0.1800000E+06  0.7392100E+11  0.2435032E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=6
  0.2100000E+06  0.7392100E+11  0.2840871E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=7
  0.2400000E+06  0.7392100E+11  0.3246709E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=8
  0.2700000E+06  0.7392100E+11  0.3652548E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=9
  0.3000000E+06  0.7392100E+11  0.4058387E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=10
  0.3300000E+06  0.7392100E+11  0.4464225E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=11
  0.3600000E+06  0.7392100E+11  0.4870064E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=12
  0.3900000E+06  0.7392100E+11  0.5275903E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=13
  0.4200000E+06  0.7392100E+11  0.5681741E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=14
  0.4500000E+06  0.7392100E+11  0.6087580E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=15
  0.4800000E+06  0.7392100E+11  0.6493419E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=16
  0.5100000E+06  0.7392100E+11  0.6899257E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=17
  0.5400000E+06  0.7392100E+11  0.7305096E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=18
  0.5700000E+06  0.7392100E+11  0.7710935E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=19
  0.6000000E+06  0.7392100E+11  0.8116773E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=20
  0.6300000E+06  0.7392100E+11  0.8522612E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=21
  0.6600000E+06  0.7392100E+11  0.8928451E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=22
  0.6900000E+06  0.7392100E+11  0.9334289E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=23
  0.7200000E+06  0.7392100E+11  0.9740128E-05                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=24
  0.7500000E+06  0.7392100E+11  0.1014597E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=25
  0.7800000E+06  0.7392100E+11  0.1055181E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=26
  0.8100000E+06  0.7392100E+11  0.1095764E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=27
  0.8400000E+06  0.7392100E+11  0.1136348E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=28
  0.8700000E+06  0.7392100E+11  0.1176932E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=29
  0.9000000E+06  0.7392100E+11  0.1217516E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=30
  0.9300000E+06  0.7392100E+11  0.1258100E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=31
  0.9600000E+06  0.7392100E+11  0.1298684E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=32
  0.9900000E+06  0.7392100E+11  0.1339268E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=33
  0.1020000E+07  0.7392100E+11  0.1379851E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=34
  0.1050000E+07  0.7392100E+11  0.1420435E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=35
  0.1080000E+07  0.7392100E+11  0.1461019E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=36
  0.1110000E+07  0.7392100E+11  0.1501603E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=37
  0.1140000E+07  0.7392100E+11  0.1542187E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=38
  0.1170000E+07  0.7392100E+11  0.1582771E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=39
  0.1200000E+07  0.7392100E+11  0.1623355E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=40
  0.1230000E+07  0.7392100E+11  0.1663939E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=41
  0.1260000E+07  0.7392100E+11  0.1704522E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=42
  0.1290000E+07  0.7392100E+11  0.1745106E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=43
  0.1320000E+07  0.7392100E+11  0.1785690E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=44
  0.1350000E+07  0.7392100E+11  0.1826274E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=45
  0.1380000E+07  0.7392100E+11  0.1866858E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=46
  0.1410000E+07  0.7392100E+11  0.1907442E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=47
  0.1440000E+07  0.7392100E+11  0.1948026E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=48
  0.1470000E+07  0.7392100E+11  0.1988609E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=49
  0.1500000E+07  0.7392100E+11  0.2029193E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=50
  0.1530000E+07  0.7392100E+11  0.2069777E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=51
  0.1560000E+07  0.7392100E+11  0.2110361E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=52
  0.1590000E+07  0.7392100E+11  0.2150945E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=53
  0.1620000E+07  0.7392100E+11  0.2191529E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=54
  0.1650000E+07  0.7392100E+11  0.2232113E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=55
  0.1680000E+07  0.7392100E+11  0.2272697E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=56
  0.1710000E+07  0.7392100E+11  0.2313280E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=57
  0.1740000E+07  0.7392100E+11  0.2353864E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=58
  0.1770000E+07  0.7392100E+11  0.2394448E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=59
  0.1800000E+07  0.7392100E+11  0.2435032E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=60
  0.1830000E+07  0.7392100E+11  0.2475616E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=61
  0.1860000E+07  0.7392100E+11  0.2516200E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=62
  0.1890000E+07  0.7392100E+11  0.2556784E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=63
  0.1920000E+07  0.7392100E+11  0.2597367E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=64
  0.1950000E+07  0.7392100E+11  0.2637951E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=65
  0.1980000E+07  0.7392100E+11  0.2678535E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=66
  0.2010000E+07  0.7392100E+11  0.2719119E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=67
  0.2040000E+07  0.7392100E+11  0.2759703E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=68
  0.2070000E+07  0.7392100E+11  0.2800287E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=69
  0.2100000E+07  0.7392100E+11  0.2840871E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=70
  0.2130000E+07  0.7392100E+11  0.2881455E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=71
  0.2160000E+07  0.7392100E+11  0.2922038E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=72
  0.2190000E+07  0.7392100E+11  0.2962622E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=73
  0.2220000E+07  0.7392100E+11  0.3003206E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=74
  0.2250000E+07  0.7392100E+11  0.3043790E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=75
  0.2280000E+07  0.7392100E+11  0.3084374E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=76
  0.2310000E+07  0.7392100E+11  0.3124958E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=77
  0.2340000E+07  0.7392100E+11  0.3165542E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=78
  0.2370000E+07  0.7392100E+11  0.3206125E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=79
  0.2400000E+07  0.7392100E+11  0.3246709E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=80
  0.2430000E+07  0.7392100E+11  0.3287293E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=81
  0.2460000E+07  0.7392100E+11  0.3327877E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=82
  0.2490000E+07  0.7392100E+11  0.3368461E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=83
  0.2520000E+07  0.7392100E+11  0.3409045E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=84
  0.2550000E+07  0.7392100E+11  0.3449629E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=85
  0.2580000E+07  0.7392100E+11  0.3490213E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=86
  0.2610000E+07  0.7392100E+11  0.3530796E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=87
  0.2640000E+07  0.7392100E+11  0.3571380E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=88
  0.2670000E+07  0.7392100E+11  0.3611964E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=89
  0.2700000E+07  0.7392100E+11  0.3652548E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=90
  0.2730000E+07  0.7392100E+11  0.3693132E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=91
  0.2760000E+07  0.7392100E+11  0.3733716E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=92
  0.2790000E+07  0.7392100E+11  0.3774300E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=93
  0.2820000E+07  0.7392100E+11  0.3814883E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=94
  0.2850000E+07  0.7392100E+11  0.3855467E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=95
  0.2880000E+07  0.7392100E+11  0.3896051E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=96
  0.2910000E+07  0.7392100E+11  0.3936635E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=97
  0.2940000E+07  0.7392100E+11  0.3977219E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=98
  0.2970000E+07  0.7392100E+11  0.4017803E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=99
  0.3000000E+07  0.7392100E+11  0.4058387E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=100
  0.3000000E+07  0.6160083E+11  0.4870064E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=101
  0.3000000E+07  0.5280071E+11  0.5681741E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=102
  0.3000000E+07  0.4620062E+11  0.6493419E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=103
  0.3000000E+07  0.4106722E+11  0.7305096E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=104
  0.3000000E+07  0.3696050E+11  0.8116773E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=105
  0.3000000E+07  0.3360045E+11  0.8928451E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=106
  0.3000000E+07  0.3080042E+11  0.9740128E-04                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=107
  0.3000000E+07  0.2843115E+11  0.1055181E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=108
  0.3000000E+07  0.2640036E+11  0.1136348E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=109
  0.3000000E+07  0.2464033E+11  0.1217516E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=110
  0.3000000E+07  0.2310031E+11  0.1298684E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=111
  0.3000000E+07  0.2174147E+11  0.1379851E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=112
  0.3000000E+07  0.2053361E+11  0.1461019E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=113
  0.3000000E+07  0.1945289E+11  0.1542187E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=114
  0.3000000E+07  0.1848025E+11  0.1623355E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=115
  0.3000000E+07  0.1760024E+11  0.1704522E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=116
  0.3000000E+07  0.1680023E+11  0.1785690E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=117
  0.3000000E+07  0.1606978E+11  0.1866858E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=118
  0.3000000E+07  0.1540021E+11  0.1948026E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=119
  0.3000000E+07  0.1478420E+11  0.2029193E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=120
  0.3000000E+07  0.1421558E+11  0.2110361E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=121
  0.3000000E+07  0.1368907E+11  0.2191529E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=122
  0.3000000E+07  0.1320018E+11  0.2272697E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=123
  0.3000000E+07  0.1274500E+11  0.2353864E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=124
  0.3000000E+07  0.1232017E+11  0.2435032E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=125
  0.3000000E+07  0.1192274E+11  0.2516200E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=126
  0.3000000E+07  0.1155016E+11  0.2597367E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=127
  0.3000000E+07  0.1120015E+11  0.2678535E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=128
  0.3000000E+07  0.1087074E+11  0.2759703E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=129
  0.3000000E+07  0.1056014E+11  0.2840871E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=130
  0.3000000E+07  0.1026681E+11  0.2922038E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=131
  0.3000000E+07  0.9989324E+10  0.3003206E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=132
  0.3000000E+07  0.9726447E+10  0.3084374E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=133
  0.3000000E+07  0.9477051E+10  0.3165542E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=134
  0.3000000E+07  0.9240125E+10  0.3246709E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=135
  0.3000000E+07  0.9014756E+10  0.3327877E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=136
  0.3000000E+07  0.8800119E+10  0.3409045E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=137
  0.3000000E+07  0.8595465E+10  0.3490213E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=138
  0.3000000E+07  0.8400114E+10  0.3571380E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=139
  0.3000000E+07  0.8213444E+10  0.3652548E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=140
  0.3000000E+07  0.8034891E+10  0.3733716E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=141
  0.3000000E+07  0.7863936E+10  0.3814883E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=142
  0.3000000E+07  0.7700104E+10  0.3896051E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=143
  0.3000000E+07  0.7542959E+10  0.3977219E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=144
  0.3000000E+07  0.7392100E+10  0.4058387E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=145
  0.3000000E+07  0.7247157E+10  0.4139554E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=146
  0.3000000E+07  0.7107788E+10  0.4220722E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=147
  0.3000000E+07  0.6973679E+10  0.4301890E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=148
  0.3000000E+07  0.6844537E+10  0.4383058E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=149
  0.3000000E+07  0.6720091E+10  0.4464225E-03                                   Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=150
  147            0.4000000E+02  0.3000000E+07                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for input M-EI pile, Section 9
  0.0000000E+00  0.5000000E+11  0.0000000E+00                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=1
  0.1369863E+05  0.4986301E+11  0.2747253E-06                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=2
  0.2739726E+05  0.4972603E+11  0.5509642E-06                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=3
  0.4109589E+05  0.4958904E+11  0.8287293E-06                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=4
  0.5479452E+05  0.4945205E+11  0.1108033E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=5
  0.6849315E+05  0.4931507E+11  0.1388889E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=6
  0.8219178E+05  0.4917808E+11  0.1671309E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=7
  0.9589041E+05  0.4904110E+11  0.1955307E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=8
  0.1095890E+06  0.4890411E+11  0.2240896E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=9
  0.1232877E+06  0.4876712E+11  0.2528090E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=10
  0.1369863E+06  0.4863014E+11  0.2816901E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=11
  0.1506849E+06  0.4849315E+11  0.3107345E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=12
  0.1643836E+06  0.4835616E+11  0.3399433E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=13
  0.1780822E+06  0.4821918E+11  0.3693182E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=14
  0.1917808E+06  0.4808219E+11  0.3988604E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=15
  0.2054795E+06  0.4794521E+11  0.4285714E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=16
  0.2191781E+06  0.4780822E+11  0.4584527E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=17
  0.2328767E+06  0.4767123E+11  0.4885057E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=18
  0.2465753E+06  0.4753425E+11  0.5187320E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=19
  0.2602740E+06  0.4739726E+11  0.5491329E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=20
  0.2739726E+06  0.4726027E+11  0.5797101E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=21
  0.2876712E+06  0.4712329E+11  0.6104651E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=22
  0.3013699E+06  0.4698630E+11  0.6413994E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=23
  0.3150685E+06  0.4684932E+11  0.6725146E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=24
  0.3287671E+06  0.4671233E+11  0.7038123E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=25
  0.3424658E+06  0.4657534E+11  0.7352941E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=26
  0.3561644E+06  0.4643836E+11  0.7669617E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=27
  0.3698630E+06  0.4630137E+11  0.7988166E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=28
  0.3835616E+06  0.4616438E+11  0.8308605E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=29
  0.3972603E+06  0.4602740E+11  0.8630952E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=30
  0.4109589E+06  0.4589041E+11  0.8955224E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=31
  0.4246575E+06  0.4575342E+11  0.9281437E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=32
  0.4383562E+06  0.4561644E+11  0.9609610E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=33
  0.4520548E+06  0.4547945E+11  0.9939759E-05                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=34
  0.4657534E+06  0.4534247E+11  0.1027190E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=35
  0.4794521E+06  0.4520548E+11  0.1060606E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=36
  0.4931507E+06  0.4506849E+11  0.1094225E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=37
  0.5068493E+06  0.4493151E+11  0.1128049E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=38
  0.5205479E+06  0.4479452E+11  0.1162080E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=39
  0.5342466E+06  0.4465753E+11  0.1196319E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=40
  0.5479452E+06  0.4452055E+11  0.1230769E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=41
  0.5616438E+06  0.4438356E+11  0.1265432E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=42
  0.5753425E+06  0.4424658E+11  0.1300310E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=43
  0.5890411E+06  0.4410959E+11  0.1335404E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=44
  0.6027397E+06  0.4397260E+11  0.1370717E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=45
  0.6164384E+06  0.4383562E+11  0.1406250E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=46
  0.6301370E+06  0.4369863E+11  0.1442006E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=47
  0.6438356E+06  0.4356164E+11  0.1477987E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=48
  0.6575342E+06  0.4342466E+11  0.1514196E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=49
  0.6712329E+06  0.4328767E+11  0.1550633E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=50
  0.6849315E+06  0.4315068E+11  0.1587302E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=51
  0.6986301E+06  0.4301370E+11  0.1624204E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=52
  0.7123288E+06  0.4287671E+11  0.1661342E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=53
  0.7260274E+06  0.4273973E+11  0.1698718E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=54
  0.7397260E+06  0.4260274E+11  0.1736334E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=55
  0.7534247E+06  0.4246575E+11  0.1774194E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=56
  0.7671233E+06  0.4232877E+11  0.1812298E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=57
  0.7808219E+06  0.4219178E+11  0.1850649E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=58
  0.7945205E+06  0.4205479E+11  0.1889251E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=59
  0.8082192E+06  0.4191781E+11  0.1928105E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=60
  0.8219178E+06  0.4178082E+11  0.1967213E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=61
  0.8356164E+06  0.4164384E+11  0.2006579E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=62
  0.8493151E+06  0.4150685E+11  0.2046205E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=63
  0.8630137E+06  0.4136986E+11  0.2086093E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=64
  0.8767123E+06  0.4123288E+11  0.2126246E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=65
  0.8904110E+06  0.4109589E+11  0.2166667E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=66
  0.9041096E+06  0.4095890E+11  0.2207358E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=67
  0.9178082E+06  0.4082192E+11  0.2248322E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=68
  0.9315068E+06  0.4068493E+11  0.2289562E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=69
  0.9452055E+06  0.4054795E+11  0.2331081E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=70
  0.9589041E+06  0.4041096E+11  0.2372881E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=71
  0.9726027E+06  0.4027397E+11  0.2414966E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=72
  0.9863014E+06  0.4013699E+11  0.2457338E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=73
  0.1000000E+07  0.4000000E+11  0.2500000E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=74
  0.1027397E+07  0.3958904E+11  0.2595156E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=75
  0.1054795E+07  0.3917808E+11  0.2692308E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=76
  0.1082192E+07  0.3876712E+11  0.2791519E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=77
  0.1109589E+07  0.3835616E+11  0.2892857E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=78
  0.1136986E+07  0.3794521E+11  0.2996390E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=79
  0.1164384E+07  0.3753425E+11  0.3102190E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=80
  0.1191781E+07  0.3712329E+11  0.3210332E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=81
  0.1219178E+07  0.3671233E+11  0.3320896E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=82
  0.1246575E+07  0.3630137E+11  0.3433962E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=83
  0.1273973E+07  0.3589041E+11  0.3549618E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=84
  0.1301370E+07  0.3547945E+11  0.3667954E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=85
  0.1328767E+07  0.3506849E+11  0.3789063E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=86
  0.1356164E+07  0.3465753E+11  0.3913043E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=87
  0.1383562E+07  0.3424658E+11  0.4040000E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=88
  0.1410959E+07  0.3383562E+11  0.4170040E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=89
  0.1438356E+07  0.3342466E+11  0.4303279E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=90
  0.1465753E+07  0.3301370E+11  0.4439834E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=91
  0.1493151E+07  0.3260274E+11  0.4579832E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=92
  0.1520548E+07  0.3219178E+11  0.4723404E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=93
  0.1547945E+07  0.3178082E+11  0.4870690E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=94
  0.1575342E+07  0.3136986E+11  0.5021834E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=95
  0.1602740E+07  0.3095890E+11  0.5176991E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=96
  0.1630137E+07  0.3054795E+11  0.5336323E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=97
  0.1657534E+07  0.3013699E+11  0.5500000E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=98
  0.1684932E+07  0.2972603E+11  0.5668203E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=99
  0.1712329E+07  0.2931507E+11  0.5841121E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=100
  0.1739726E+07  0.2890411E+11  0.6018957E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=101
  0.1767123E+07  0.2849315E+11  0.6201923E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=102
  0.1794521E+07  0.2808219E+11  0.6390244E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=103
  0.1821918E+07  0.2767123E+11  0.6584158E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=104
  0.1849315E+07  0.2726027E+11  0.6783920E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=105
  0.1876712E+07  0.2684932E+11  0.6989796E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=106
  0.1904110E+07  0.2643836E+11  0.7202073E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=107
  0.1931507E+07  0.2602740E+11  0.7421053E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=108
  0.1958904E+07  0.2561644E+11  0.7647059E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=109
  0.1986301E+07  0.2520548E+11  0.7880435E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=110
  0.2013699E+07  0.2479452E+11  0.8121547E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=111
  0.2041096E+07  0.2438356E+11  0.8370787E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=112
  0.2068493E+07  0.2397260E+11  0.8628571E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=113
  0.2095890E+07  0.2356164E+11  0.8895349E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=114
  0.2123288E+07  0.2315068E+11  0.9171598E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=115
  0.2150685E+07  0.2273973E+11  0.9457831E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=116
  0.2178082E+07  0.2232877E+11  0.9754601E-04                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=117
  0.2205479E+07  0.2191781E+11  0.1006250E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=118
  0.2232877E+07  0.2150685E+11  0.1038217E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=119
  0.2260274E+07  0.2109589E+11  0.1071429E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=120
  0.2287671E+07  0.2068493E+11  0.1105960E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=121
  0.2315068E+07  0.2027397E+11  0.1141892E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=122
  0.2342466E+07  0.1986301E+11  0.1179310E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=123
  0.2369863E+07  0.1945205E+11  0.1218310E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=124
  0.2397260E+07  0.1904110E+11  0.1258993E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=125
  0.2424658E+07  0.1863014E+11  0.1301471E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=126
  0.2452055E+07  0.1821918E+11  0.1345865E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=127
  0.2479452E+07  0.1780822E+11  0.1392308E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=128
  0.2506849E+07  0.1739726E+11  0.1440945E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=129
  0.2534247E+07  0.1698630E+11  0.1491935E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=130
  0.2561644E+07  0.1657534E+11  0.1545455E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=131
  0.2589041E+07  0.1616438E+11  0.1601695E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=132
  0.2616438E+07  0.1575342E+11  0.1660870E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=133
  0.2643836E+07  0.1534247E+11  0.1723214E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=134
  0.2671233E+07  0.1493151E+11  0.1788991E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=135
  0.2698630E+07  0.1452055E+11  0.1858491E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=136
  0.2726027E+07  0.1410959E+11  0.1932039E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=137
  0.2753425E+07  0.1369863E+11  0.2010000E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=138
  0.2780822E+07  0.1328767E+11  0.2092784E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=139
  0.2808219E+07  0.1287671E+11  0.2180851E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=140
  0.2835616E+07  0.1246575E+11  0.2274725E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=141
  0.2863014E+07  0.1205479E+11  0.2375000E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=142
  0.2890411E+07  0.1164384E+11  0.2482353E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=143
  0.2917808E+07  0.1123288E+11  0.2597561E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=144
  0.2945205E+07  0.1082192E+11  0.2721519E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=145
  0.2972603E+07  0.1041096E+11  0.2855263E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=146
  0.3000000E+07  0.1000000E+11  0.3000000E-03                                   Line 5 : Moment, EI, Curvature for Sect#=9, AxLd#=1, CurvPnt#=147
  147            0.4000000E+02  0.3000000E+07                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for input M-EI pile, Section 10
  0.0000000E+00  0.5000000E+11  0.0000000E+00                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=1
  0.1369863E+05  0.5000000E+11  0.2739726E-06                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=2
  0.2739726E+05  0.5000000E+11  0.5479452E-06                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=3
  0.4109589E+05  0.5000000E+11  0.8219178E-06                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=4
  0.5479452E+05  0.5000000E+11  0.1095890E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=5
  0.6849315E+05  0.5000000E+11  0.1369863E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=6
  0.8219178E+05  0.5000000E+11  0.1643836E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=7
  0.9589041E+05  0.5000000E+11  0.1917808E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=8
  0.1095890E+06  0.5000000E+11  0.2191781E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=9
  0.1232877E+06  0.5000000E+11  0.2465753E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=10
  0.1369863E+06  0.5000000E+11  0.2739726E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=11
  0.1506849E+06  0.5000000E+11  0.3013699E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=12
  0.1643836E+06  0.5000000E+11  0.3287671E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=13
  0.1780822E+06  0.5000000E+11  0.3561644E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=14
  0.1917808E+06  0.5000000E+11  0.3835616E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=15
  0.2054795E+06  0.5000000E+11  0.4109589E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=16
  0.2191781E+06  0.5000000E+11  0.4383562E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=17
  0.2328767E+06  0.5000000E+11  0.4657534E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=18
  0.2465753E+06  0.5000000E+11  0.4931507E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=19
  0.2602740E+06  0.5000000E+11  0.5205479E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=20
  0.2739726E+06  0.5000000E+11  0.5479452E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=21
  0.2876712E+06  0.5000000E+11  0.5753425E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=22
  0.3013699E+06  0.5000000E+11  0.6027397E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=23
  0.3150685E+06  0.5000000E+11  0.6301370E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=24
  0.3287671E+06  0.5000000E+11  0.6575342E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=25
  0.3424658E+06  0.5000000E+11  0.6849315E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=26
  0.3561644E+06  0.5000000E+11  0.7123288E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=27
  0.3698630E+06  0.5000000E+11  0.7397260E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=28
  0.3835616E+06  0.5000000E+11  0.7671233E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=29
  0.3972603E+06  0.5000000E+11  0.7945205E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=30
  0.4109589E+06  0.5000000E+11  0.8219178E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=31
  0.4246575E+06  0.5000000E+11  0.8493151E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=32
  0.4383562E+06  0.5000000E+11  0.8767123E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=33
  0.4520548E+06  0.5000000E+11  0.9041096E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=34
  0.4657534E+06  0.5000000E+11  0.9315068E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=35
  0.4794521E+06  0.5000000E+11  0.9589041E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=36
  0.4931507E+06  0.5000000E+11  0.9863014E-05                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=37
  0.5068493E+06  0.5000000E+11  0.1013699E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=38
  0.5205479E+06  0.5000000E+11  0.1041096E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=39
  0.5342466E+06  0.5000000E+11  0.1068493E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=40
  0.5479452E+06  0.5000000E+11  0.1095890E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=41
  0.5616438E+06  0.5000000E+11  0.1123288E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=42
  0.5753425E+06  0.5000000E+11  0.1150685E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=43
  0.5890411E+06  0.5000000E+11  0.1178082E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=44
  0.6027397E+06  0.5000000E+11  0.1205479E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=45
  0.6164384E+06  0.5000000E+11  0.1232877E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=46
  0.6301370E+06  0.5000000E+11  0.1260274E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=47
  0.6438356E+06  0.5000000E+11  0.1287671E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=48
  0.6575342E+06  0.5000000E+11  0.1315068E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=49
  0.6712329E+06  0.5000000E+11  0.1342466E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=50
  0.6849315E+06  0.5000000E+11  0.1369863E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=51
  0.6986301E+06  0.5000000E+11  0.1397260E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=52
  0.7123288E+06  0.5000000E+11  0.1424658E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=53
  0.7260274E+06  0.5000000E+11  0.1452055E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=54
  0.7397260E+06  0.5000000E+11  0.1479452E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=55
  0.7534247E+06  0.5000000E+11  0.1506849E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=56
  0.7671233E+06  0.5000000E+11  0.1534247E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=57
  0.7808219E+06  0.5000000E+11  0.1561644E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=58
  0.7945205E+06  0.5000000E+11  0.1589041E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=59
  0.8082192E+06  0.5000000E+11  0.1616438E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=60
  0.8219178E+06  0.5000000E+11  0.1643836E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=61
  0.8356164E+06  0.5000000E+11  0.1671233E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=62
  0.8493151E+06  0.5000000E+11  0.1698630E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=63
  0.8630137E+06  0.5000000E+11  0.1726027E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=64
  0.8767123E+06  0.5000000E+11  0.1753425E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=65
  0.8904110E+06  0.5000000E+11  0.1780822E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=66
  0.9041096E+06  0.5000000E+11  0.1808219E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=67
  0.9178082E+06  0.5000000E+11  0.1835616E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=68
  0.9315068E+06  0.5000000E+11  0.1863014E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=69
  0.9452055E+06  0.5000000E+11  0.1890411E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=70
  0.9589041E+06  0.5000000E+11  0.1917808E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=71
  0.9726027E+06  0.5000000E+11  0.1945205E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=72
  0.9863014E+06  0.5000000E+11  0.1972603E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=73
  0.1000000E+07  0.5000000E+11  0.2000000E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=74
  0.1027397E+07  0.4952055E+11  0.2074689E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=75
  0.1054795E+07  0.4904110E+11  0.2150838E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=76
  0.1082192E+07  0.4856164E+11  0.2228491E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=77
  0.1109589E+07  0.4808219E+11  0.2307692E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=78
  0.1136986E+07  0.4760274E+11  0.2388489E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=79
  0.1164384E+07  0.4712329E+11  0.2470930E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=80
  0.1191781E+07  0.4664384E+11  0.2555066E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=81
  0.1219178E+07  0.4616438E+11  0.2640950E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=82
  0.1246575E+07  0.4568493E+11  0.2728636E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=83
  0.1273973E+07  0.4520548E+11  0.2818182E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=84
  0.1301370E+07  0.4472603E+11  0.2909648E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=85
  0.1328767E+07  0.4424658E+11  0.3003096E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=86
  0.1356164E+07  0.4376712E+11  0.3098592E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=87
  0.1383562E+07  0.4328767E+11  0.3196203E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=88
  0.1410959E+07  0.4280822E+11  0.3296000E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=89
  0.1438356E+07  0.4232877E+11  0.3398058E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=90
  0.1465753E+07  0.4184932E+11  0.3502455E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=91
  0.1493151E+07  0.4136986E+11  0.3609272E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=92
  0.1520548E+07  0.4089041E+11  0.3718593E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=93
  0.1547945E+07  0.4041096E+11  0.3830508E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=94
  0.1575342E+07  0.3993151E+11  0.3945111E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=95
  0.1602740E+07  0.3945205E+11  0.4062500E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=96
  0.1630137E+07  0.3897260E+11  0.4182777E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=97
  0.1657534E+07  0.3849315E+11  0.4306050E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=98
  0.1684932E+07  0.3801370E+11  0.4432432E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=99
  0.1712329E+07  0.3753425E+11  0.4562044E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=100
  0.1739726E+07  0.3705479E+11  0.4695009E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=101
  0.1767123E+07  0.3657534E+11  0.4831461E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=102
  0.1794521E+07  0.3609589E+11  0.4971537E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=103
  0.1821918E+07  0.3561644E+11  0.5115385E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=104
  0.1849315E+07  0.3513699E+11  0.5263158E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=105
  0.1876712E+07  0.3465753E+11  0.5415020E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=106
  0.1904110E+07  0.3417808E+11  0.5571142E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=107
  0.1931507E+07  0.3369863E+11  0.5731707E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=108
  0.1958904E+07  0.3321918E+11  0.5896907E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=109
  0.1986301E+07  0.3273973E+11  0.6066946E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=110
  0.2013699E+07  0.3226027E+11  0.6242038E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=111
  0.2041096E+07  0.3178082E+11  0.6422414E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=112
  0.2068493E+07  0.3130137E+11  0.6608315E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=113
  0.2095890E+07  0.3082192E+11  0.6800000E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=114
  0.2123288E+07  0.3034247E+11  0.6997743E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=115
  0.2150685E+07  0.2986301E+11  0.7201835E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=116
  0.2178082E+07  0.2938356E+11  0.7412587E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=117
  0.2205479E+07  0.2890411E+11  0.7630332E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=118
  0.2232877E+07  0.2842466E+11  0.7855422E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=119
  0.2260274E+07  0.2794521E+11  0.8088235E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=120
  0.2287671E+07  0.2746575E+11  0.8329177E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=121
  0.2315068E+07  0.2698630E+11  0.8578680E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=122
  0.2342466E+07  0.2650685E+11  0.8837209E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=123
  0.2369863E+07  0.2602740E+11  0.9105263E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=124
  0.2397260E+07  0.2554795E+11  0.9383378E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=125
  0.2424658E+07  0.2506849E+11  0.9672131E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=126
  0.2452055E+07  0.2458904E+11  0.9972145E-04                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=127
  0.2479452E+07  0.2410959E+11  0.1028409E-03                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=128
  0.2506849E+07  0.2363014E+11  0.1060870E-03                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=129
  0.2534247E+07  0.2315068E+11  0.1094675E-03                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=130
  0.2561644E+07  0.2267123E+11  0.1129909E-03                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=131
  0.2589041E+07  0.2219178E+11  0.1166667E-03                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=132
  0.2616438E+07  0.2171233E+11  0.1205047E-03                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=133
  0.2643836E+07  0.2123288E+11  0.1245161E-03                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=134
  0.2671233E+07  0.2075342E+11  0.1287129E-03                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=135
  0.2698630E+07  0.2027397E+11  0.1331081E-03                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=136
  0.2726027E+07  0.1979452E+11  0.1377163E-03                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=137
  0.2753425E+07  0.1931507E+11  0.1425532E-03                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=138
  0.2780822E+07  0.1883562E+11  0.1476364E-03                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=139
  0.2808219E+07  0.1835616E+11  0.1529851E-03                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=140
  0.2835616E+07  0.1787671E+11  0.1586207E-03                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=141
  0.2863014E+07  0.1739726E+11  0.1645669E-03                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=142
  0.2890411E+07  0.1691781E+11  0.1708502E-03                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=143
  0.2917808E+07  0.1643836E+11  0.1775000E-03                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=144
  0.2945205E+07  0.1595890E+11  0.1845494E-03                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=145
  0.2972603E+07  0.1547945E+11  0.1920354E-03                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=146
  0.3000000E+07  0.1500000E+11  0.2000000E-03                                   Line 5 : Moment, EI, Curvature for Sect#=10, AxLd#=1, CurvPnt#=147
