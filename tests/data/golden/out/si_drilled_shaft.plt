    3    2    0    0                                                            Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                           Line 2 : Total number of sections
    1                                                                           Line 3 : Total number of axial thrusts
  123            0.1000000E+04  0.2904736E+04                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m), Section 1
  0.7931825E+02  0.3223494E+07  0.2460630E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.1586432E+03  0.3223629E+07  0.4921260E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.2378994E+03  0.3222744E+07  0.7381890E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.3168923E+03  0.3219626E+07  0.9842520E-04                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.3955417E+03  0.3214963E+07  0.1230315E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.4738244E+03  0.3209371E+07  0.1476378E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.5517322E+03  0.3203200E+07  0.1722441E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.6292616E+03  0.3196649E+07  0.1968504E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.7064109E+03  0.3189838E+07  0.2214567E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.7064109E+03  0.2870854E+07  0.2460630E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.7064109E+03  0.2609867E+07  0.2706693E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.7064109E+03  0.2392378E+07  0.2952756E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.7064109E+03  0.2208349E+07  0.3198819E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.7064109E+03  0.2050610E+07  0.3444882E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.7064109E+03  0.1913903E+07  0.3690945E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.7064109E+03  0.1794284E+07  0.3937008E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.7064109E+03  0.1688738E+07  0.4183071E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.7064109E+03  0.1594919E+07  0.4429134E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.7064109E+03  0.1510976E+07  0.4675197E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.7064109E+03  0.1435427E+07  0.4921260E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.7064109E+03  0.1367073E+07  0.5167323E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.7064109E+03  0.1304934E+07  0.5413386E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.7064109E+03  0.1248197E+07  0.5659449E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.7064109E+03  0.1196189E+07  0.5905512E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.7172060E+03  0.1165890E+07  0.6151575E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.7348242E+03  0.1148587E+07  0.6397638E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.7523828E+03  0.1132475E+07  0.6643701E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.7699277E+03  0.1117495E+07  0.6889764E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.7873731E+03  0.1103408E+07  0.7135827E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.8047782E+03  0.1090206E+07  0.7381890E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.8221702E+03  0.1077839E+07  0.7627953E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.8395281E+03  0.1066201E+07  0.7874016E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.8568007E+03  0.1055163E+07  0.8120079E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.8740605E+03  0.1044759E+07  0.8366142E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.8913074E+03  0.1034935E+07  0.8612205E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.9085413E+03  0.1025642E+07  0.8858268E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.9257056E+03  0.1016775E+07  0.9104331E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.9428428E+03  0.1008346E+07  0.9350394E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.9599674E+03  0.1000335E+07  0.9596457E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.9941787E+03  0.9854493E+06  0.1008858E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.1028281E+04  0.9718451E+06  0.1058071E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.1062283E+04  0.9593600E+06  0.1107283E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.1096236E+04  0.9478942E+06  0.1156496E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.1130138E+04  0.9373229E+06  0.1205709E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.1163936E+04  0.9274973E+06  0.1254921E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.1197658E+04  0.9183547E+06  0.1304134E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.1231329E+04  0.9098404E+06  0.1353346E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.1264951E+04  0.9018881E+06  0.1402559E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.1298523E+04  0.8944402E+06  0.1451772E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.1332040E+04  0.8874443E+06  0.1500984E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.1365457E+04  0.8808281E+06  0.1550197E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.1398824E+04  0.8745878E+06  0.1599409E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.1432141E+04  0.8686897E+06  0.1648622E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.1465407E+04  0.8631037E+06  0.1697835E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.1498623E+04  0.8578034E+06  0.1747047E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.1531788E+04  0.8527650E+06  0.1796260E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.1564901E+04  0.8479674E+06  0.1845472E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.1597962E+04  0.8433917E+06  0.1894685E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.1630971E+04  0.8390209E+06  0.1943898E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.1663901E+04  0.8348266E+06  0.1993110E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.1696778E+04  0.8308081E+06  0.2042323E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.1729603E+04  0.8269538E+06  0.2091535E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.1762375E+04  0.8232521E+06  0.2140748E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.1795095E+04  0.8196927E+06  0.2189961E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.1827761E+04  0.8162659E+06  0.2239173E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.1860373E+04  0.8129631E+06  0.2288386E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.1892932E+04  0.8097762E+06  0.2337598E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.1925436E+04  0.8066980E+06  0.2386811E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.1957885E+04  0.8037217E+06  0.2436024E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.1990279E+04  0.8008410E+06  0.2485236E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.2022617E+04  0.7980502E+06  0.2534449E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.2054900E+04  0.7953441E+06  0.2583661E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.2087126E+04  0.7927178E+06  0.2632874E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.2119295E+04  0.7901666E+06  0.2682087E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.2150717E+04  0.7874338E+06  0.2731299E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.2179922E+04  0.7840001E+06  0.2780512E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.2207210E+04  0.7800089E+06  0.2829724E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.2232656E+04  0.7755141E+06  0.2878937E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.2253554E+04  0.7696172E+06  0.2928150E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.2323661E+04  0.7435715E+06  0.3125000E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.2392608E+04  0.7202638E+06  0.3321850E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.2439271E+04  0.6932306E+06  0.3518701E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.2477787E+04  0.6668692E+06  0.3715551E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.2515963E+04  0.6430739E+06  0.3912402E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.2553810E+04  0.6214780E+06  0.4109252E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.2591025E+04  0.6017099E+06  0.4306102E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.2619732E+04  0.5817809E+06  0.4502953E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.2637580E+04  0.5612108E+06  0.4699803E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.2655119E+04  0.5422313E+06  0.4896654E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.2672059E+04  0.5246014E+06  0.5093504E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.2688750E+04  0.5082363E+06  0.5290354E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.2705237E+04  0.4930082E+06  0.5487205E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.2721515E+04  0.4787981E+06  0.5684055E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.2737483E+04  0.4654866E+06  0.5880906E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.2753035E+04  0.4529691E+06  0.6077756E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.2768379E+04  0.4412036E+06  0.6274606E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.2783497E+04  0.4301191E+06  0.6471457E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.2797740E+04  0.4195578E+06  0.6668307E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.2808711E+04  0.4091254E+06  0.6865158E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.2816341E+04  0.3988018E+06  0.7062008E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.2821947E+04  0.3887591E+06  0.7258858E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.2827097E+04  0.3791856E+06  0.7455709E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.2832157E+04  0.3700928E+06  0.7652559E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.2837066E+04  0.3614369E+06  0.7849410E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.2841894E+04  0.3531944E+06  0.8046260E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.2846633E+04  0.3453348E+06  0.8243110E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.2851240E+04  0.3378262E+06  0.8439961E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.2855558E+04  0.3306264E+06  0.8636811E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.2859790E+04  0.3237378E+06  0.8833662E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.2863907E+04  0.3171367E+06  0.9030512E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.2867972E+04  0.3108117E+06  0.9227362E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.2871989E+04  0.3047458E+06  0.9424213E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.2875946E+04  0.2989219E+06  0.9621063E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.2879811E+04  0.2933221E+06  0.9817914E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.2883637E+04  0.2879386E+06  0.1001476E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.2887425E+04  0.2827589E+06  0.1021161E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.2891173E+04  0.2777713E+06  0.1040846E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.2894833E+04  0.2729606E+06  0.1060532E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.2898351E+04  0.2683120E+06  0.1080217E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.2917310E+04  0.2434486E+06  0.1198327E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.2933213E+04  0.2228146E+06  0.1316437E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.2944061E+04  0.2052258E+06  0.1434547E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.2944061E+04  0.1896143E+06  0.1552657E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=123
    2                                                                           Line 6 : number of output p-y curves
  0.1000000E+01   17                                                            Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 1
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for soft clay
  0.3000000E-02  0.2012095E+02                                                  Line 8(2): y, p, for soft clay
  0.7500000E-02  0.2730833E+02                                                  Line 8(3): y, p, for soft clay
  0.1500000E-01  0.3440634E+02                                                  Line 8(4): y, p, for soft clay
  0.2250000E-01  0.3938543E+02                                                  Line 8(5): y, p, for soft clay
  0.3000000E-01  0.4334928E+02                                                  Line 8(6): y, p, for soft clay
  0.6000000E-01  0.5461667E+02                                                  Line 8(7): y, p, for soft clay
  0.9000000E-01  0.6252048E+02                                                  Line 8(8): y, p, for soft clay
  0.1200000E+00  0.6881269E+02                                                  Line 8(9): y, p, for soft clay
  0.1500000E+00  0.7412622E+02                                                  Line 8(10): y, p, for soft clay
  0.1800000E+00  0.7877086E+02                                                  Line 8(11): y, p, for soft clay
  0.2400000E+00  0.8669856E+02                                                  Line 8(12): y, p, for soft clay
  0.3000000E+00  0.9339319E+02                                                  Line 8(13): y, p, for soft clay
  0.3600000E+00  0.9924507E+02                                                  Line 8(14): y, p, for soft clay
  0.4200000E+00  0.1044779E+03                                                  Line 8(15): y, p, for soft clay
  0.4800000E+00  0.1092333E+03                                                  Line 8(16): y, p, for soft clay
  0.5100000E+00  0.1092333E+03                                                  Line 8(17): y, p, for soft clay
  0.8000000E+01   17                                                            Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points on curve no. 2
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for stiff clay w/o water
  0.3280000E-05  0.4372582E+02                                                  Line 8(2): y, p, for stiff clay w/o water
  0.1640000E-04  0.6538535E+02                                                  Line 8(3): y, p, for stiff clay w/o water
  0.3280000E-04  0.7775672E+02                                                  Line 8(4): y, p, for stiff clay w/o water
  0.1640000E-03  0.1162734E+03                                                  Line 8(5): y, p, for stiff clay w/o water
  0.3280000E-03  0.1382732E+03                                                  Line 8(6): y, p, for stiff clay w/o water
  0.1640000E-02  0.2067666E+03                                                  Line 8(7): y, p, for stiff clay w/o water
  0.3280000E-02  0.2458883E+03                                                  Line 8(8): y, p, for stiff clay w/o water
  0.8200000E-02  0.3091882E+03                                                  Line 8(9): y, p, for stiff clay w/o water
  0.1640000E-01  0.3676888E+03                                                  Line 8(10): y, p, for stiff clay w/o water
  0.2460000E-01  0.4069146E+03                                                  Line 8(11): y, p, for stiff clay w/o water
  0.3280000E-01  0.4372582E+03                                                  Line 8(12): y, p, for stiff clay w/o water
  0.8200000E-01  0.5498230E+03                                                  Line 8(13): y, p, for stiff clay w/o water
  0.1640000E+00  0.6538535E+03                                                  Line 8(14): y, p, for stiff clay w/o water
  0.3280000E+00  0.7775672E+03                                                  Line 8(15): y, p, for stiff clay w/o water
  0.3362000E+00  0.7775672E+03                                                  Line 8(16): y, p, for stiff clay w/o water
  0.3444000E+00  0.7775672E+03                                                  Line 8(17): y, p, for stiff clay w/o water
    1  101    2                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.3112678E-01  0.1000000E+03  0.3000000E+03 -0.2892666E+02  0.3223550E+07 Line 10(  1): nodal depth, y, M, V, p, EI
  0.2000000E+00  0.2992563E-01  0.1606226E+03  0.2939624E+03 -0.3144960E+02  0.3223597E+07 Line 10(  2): nodal depth, y, M, V, p, EI
  0.4000000E+00  0.2872648E-01  0.2199852E+03  0.2874264E+03 -0.3391050E+02  0.3222888E+07 Line 10(  3): nodal depth, y, M, V, p, EI
  0.6000000E+00  0.2753006E-01  0.2779887E+03  0.2804048E+03 -0.3630481E+02  0.3220939E+07 Line 10(  4): nodal depth, y, M, V, p, EI
  0.8000000E+00  0.2633709E-01  0.3345366E+03  0.2729116E+03 -0.3862767E+02  0.3218387E+07 Line 10(  5): nodal depth, y, M, V, p, EI
  0.1000000E+01  0.2514827E-01  0.3895352E+03  0.2649614E+03 -0.4087384E+02  0.3215252E+07 Line 10(  6): nodal depth, y, M, V, p, EI
  0.1200000E+01  0.2396431E-01  0.4428939E+03  0.2565703E+03 -0.4303772E+02  0.3211342E+07 Line 10(  7): nodal depth, y, M, V, p, EI
  0.1400000E+01  0.2278586E-01  0.4945257E+03  0.2477552E+03 -0.4511323E+02  0.3207539E+07 Line 10(  8): nodal depth, y, M, V, p, EI
  0.1600000E+01  0.2161357E-01  0.5443467E+03  0.2385345E+03 -0.4709375E+02  0.3203708E+07 Line 10(  9): nodal depth, y, M, V, p, EI
  0.1800000E+01  0.2044809E-01  0.5922772E+03  0.2289279E+03 -0.4897202E+02  0.3199557E+07 Line 10( 10): nodal depth, y, M, V, p, EI
  0.2000000E+01  0.1929000E-01  0.6382415E+03  0.2189567E+03 -0.5074002E+02  0.3195770E+07 Line 10( 11): nodal depth, y, M, V, p, EI
  0.2200000E+01  0.1813991E-01  0.6821681E+03  0.2086438E+03 -0.5238882E+02  0.3191809E+07 Line 10( 12): nodal depth, y, M, V, p, EI
  0.2400000E+01  0.1699836E-01  0.7239906E+03  0.1980141E+03 -0.5390841E+02  0.1159326E+07 Line 10( 13): nodal depth, y, M, V, p, EI
  0.2600000E+01  0.1588180E-01  0.7636319E+03  0.1870927E+03 -0.5530590E+02  0.1122747E+07 Line 10( 14): nodal depth, y, M, V, p, EI
  0.2800000E+01  0.1479244E-01  0.8010336E+03  0.1759045E+03 -0.5657593E+02  0.1092973E+07 Line 10( 15): nodal depth, y, M, V, p, EI
  0.3000000E+01  0.1373240E-01  0.8361430E+03  0.1644756E+03 -0.5771307E+02  0.1068414E+07 Line 10( 16): nodal depth, y, M, V, p, EI
  0.3200000E+01  0.1270366E-01  0.8689126E+03  0.1528331E+03 -0.5871180E+02  0.1047798E+07 Line 10( 17): nodal depth, y, M, V, p, EI
  0.3400000E+01  0.1170809E-01  0.8993006E+03  0.1410053E+03 -0.5956647E+02  0.1030561E+07 Line 10( 18): nodal depth, y, M, V, p, EI
  0.3600000E+01  0.1074743E-01  0.9272710E+03  0.1290215E+03 -0.6027131E+02  0.1015987E+07 Line 10( 19): nodal depth, y, M, V, p, EI
  0.3800000E+01  0.9823269E-02  0.9527940E+03  0.1169123E+03 -0.6082039E+02  0.1003641E+07 Line 10( 20): nodal depth, y, M, V, p, EI
  0.4000000E+01  0.8937087E-02  0.9758462E+03  0.1047095E+03 -0.6120762E+02  0.9932413E+06 Line 10( 21): nodal depth, y, M, V, p, EI
  0.4200000E+01  0.8090204E-02  0.9964109E+03  0.9244609E+02 -0.6142671E+02  0.9845190E+06 Line 10( 22): nodal depth, y, M, V, p, EI
  0.4400000E+01  0.7283804E-02  0.1014478E+04  0.8015630E+02 -0.6147115E+02  0.9771967E+06 Line 10( 23): nodal depth, y, M, V, p, EI
  0.4600000E+01  0.6518930E-02  0.1030045E+04  0.6787577E+02 -0.6133420E+02  0.9711696E+06 Line 10( 24): nodal depth, y, M, V, p, EI
  0.4800000E+01  0.5796481E-02  0.1043116E+04  0.5564146E+02 -0.6100883E+02  0.9662587E+06 Line 10( 25): nodal depth, y, M, V, p, EI
  0.5000000E+01  0.5117214E-02  0.1053703E+04  0.4349181E+02 -0.6048776E+02  0.9624053E+06 Line 10( 26): nodal depth, y, M, V, p, EI
  0.5200000E+01  0.4481741E-02  0.1061827E+04  0.3146669E+02 -0.5976340E+02  0.9595207E+06 Line 10( 27): nodal depth, y, M, V, p, EI
  0.5400000E+01  0.3890534E-02  0.1067516E+04  0.1960756E+02 -0.5882790E+02  0.9575274E+06 Line 10( 28): nodal depth, y, M, V, p, EI
  0.5600000E+01  0.3343921E-02  0.1070808E+04  0.7957447E+01 -0.5767322E+02  0.9563871E+06 Line 10( 29): nodal depth, y, M, V, p, EI
  0.5800000E+01  0.2842093E-02  0.1071748E+04 -0.3438999E+01 -0.5629124E+02  0.9560633E+06 Line 10( 30): nodal depth, y, M, V, p, EI
  0.6000000E+01  0.2385106E-02  0.1070391E+04 -0.1940249E+02 -0.1033437E+03  0.9565310E+06 Line 10( 31): nodal depth, y, M, V, p, EI
  0.6200000E+01  0.1972879E-02  0.1064856E+04 -0.4700921E+02 -0.1727235E+03  0.9584563E+06 Line 10( 32): nodal depth, y, M, V, p, EI
  0.6400000E+01  0.1605094E-02  0.1052367E+04 -0.8113593E+02 -0.1685437E+03  0.9628855E+06 Line 10( 33): nodal depth, y, M, V, p, EI
  0.6600000E+01  0.1281025E-02  0.1033093E+04 -0.1143492E+03 -0.1635893E+03  0.9700087E+06 Line 10( 34): nodal depth, y, M, V, p, EI
  0.6800000E+01  0.9995583E-03  0.1007233E+04 -0.1464887E+03 -0.1578053E+03  0.9800884E+06 Line 10( 35): nodal depth, y, M, V, p, EI
  0.7000000E+01  0.7591991E-03  0.9750198E+03 -0.1773821E+03 -0.1511290E+03  0.9936026E+06 Line 10( 36): nodal depth, y, M, V, p, EI
  0.7200000E+01  0.5580919E-03  0.9367219E+03 -0.2068439E+03 -0.1434890E+03  0.1011306E+07 Line 10( 37): nodal depth, y, M, V, p, EI
  0.7400000E+01  0.3940346E-03  0.8926474E+03 -0.2346735E+03 -0.1348066E+03  0.1034195E+07 Line 10( 38): nodal depth, y, M, V, p, EI
  0.7600000E+01  0.2645027E-03  0.8431461E+03 -0.2606547E+03 -0.1250058E+03  0.1063833E+07 Line 10( 39): nodal depth, y, M, V, p, EI
  0.7800000E+01  0.1666729E-03  0.7886129E+03 -0.2845605E+03 -0.1140515E+03  0.1102440E+07 Line 10( 40): nodal depth, y, M, V, p, EI
  0.8000000E+01  0.9745649E-04  0.7294890E+03 -0.3061744E+03 -0.1020877E+03  0.1153687E+07 Line 10( 41): nodal depth, y, M, V, p, EI
  0.8200000E+01  0.5353254E-04  0.6662563E+03 -0.3253759E+03 -0.8992733E+02  0.3193182E+07 Line 10( 42): nodal depth, y, M, V, p, EI
  0.8400000E+01  0.1795458E-04  0.5994181E+03 -0.3399992E+03 -0.5630603E+02  0.3198967E+07 Line 10( 43): nodal depth, y, M, V, p, EI
  0.8600000E+01 -0.1012823E-04  0.5303202E+03 -0.3423823E+03  0.3247566E+02  0.3204713E+07 Line 10( 44): nodal depth, y, M, V, p, EI
  0.8800000E+01 -0.3159179E-04  0.4625147E+03 -0.3307097E+03  0.8424980E+02  0.3210061E+07 Line 10( 45): nodal depth, y, M, V, p, EI
  0.9000000E+01 -0.4729204E-04  0.3980735E+03 -0.3127630E+03  0.9521787E+02  0.3214747E+07 Line 10( 46): nodal depth, y, M, V, p, EI
  0.9200000E+01 -0.5803919E-04  0.3374360E+03 -0.2930046E+03  0.1023660E+03  0.3218197E+07 Line 10( 47): nodal depth, y, M, V, p, EI
  0.9400000E+01 -0.6459225E-04  0.2808890E+03 -0.2720321E+03  0.1073587E+03  0.3220829E+07 Line 10( 48): nodal depth, y, M, V, p, EI
  0.9600000E+01 -0.6765689E-04  0.2286328E+03 -0.2502095E+03  0.1108675E+03  0.3222816E+07 Line 10( 49): nodal depth, y, M, V, p, EI
  0.9800000E+01 -0.6788386E-04  0.1808085E+03 -0.2277994E+03  0.1132332E+03  0.3223304E+07 Line 10( 50): nodal depth, y, M, V, p, EI
  0.1000000E+02 -0.6586707E-04  0.1375112E+03 -0.2050109E+03  0.1146517E+03  0.3223609E+07 Line 10( 51): nodal depth, y, M, V, p, EI
  0.1020000E+02 -0.6214397E-04  0.9879835E+02 -0.1820212E+03  0.1152456E+03  0.3223547E+07 Line 10( 52): nodal depth, y, M, V, p, EI
  0.1040000E+02 -0.5719491E-04  0.6469407E+02 -0.1589871E+03  0.1150955E+03  0.3223494E+07 Line 10( 53): nodal depth, y, M, V, p, EI
  0.1060000E+02 -0.5144308E-04  0.3519281E+02 -0.1360518E+03  0.1142569E+03  0.3223494E+07 Line 10( 54): nodal depth, y, M, V, p, EI
  0.1080000E+02 -0.4525453E-04  0.1026139E+02 -0.1133493E+03  0.1127686E+03  0.3223494E+07 Line 10( 55): nodal depth, y, M, V, p, EI
  0.1100000E+02 -0.3893866E-04 -0.1015941E+02 -0.9100662E+02  0.1106582E+03  0.3223494E+07 Line 10( 56): nodal depth, y, M, V, p, EI
  0.1120000E+02 -0.3274885E-04 -0.2615376E+02 -0.6914638E+02  0.1079442E+03  0.3223494E+07 Line 10( 57): nodal depth, y, M, V, p, EI
  0.1140000E+02 -0.2688359E-04 -0.3783002E+02 -0.4788828E+02  0.1046368E+03  0.3223494E+07 Line 10( 58): nodal depth, y, M, V, p, EI
  0.1160000E+02 -0.2148775E-04 -0.4532034E+02 -0.2815294E+02  0.9271667E+02  0.3223494E+07 Line 10( 59): nodal depth, y, M, V, p, EI
  0.1180000E+02 -0.1665428E-04 -0.4910142E+02 -0.1156630E+02  0.7314973E+02  0.3223494E+07 Line 10( 60): nodal depth, y, M, V, p, EI
  0.1200000E+02 -0.1243012E-04 -0.4995591E+02  0.1305027E+01  0.5556351E+02  0.3223494E+07 Line 10( 61): nodal depth, y, M, V, p, EI
  0.1220000E+02 -0.8825844E-05 -0.4858724E+02  0.1087567E+02  0.4014292E+02  0.3223494E+07 Line 10( 62): nodal depth, y, M, V, p, EI
  0.1240000E+02 -0.5824487E-05 -0.4561225E+02  0.1758498E+02  0.2695016E+02  0.3223494E+07 Line 10( 63): nodal depth, y, M, V, p, EI
  0.1260000E+02 -0.3389128E-05 -0.4155869E+02  0.2187498E+02  0.1594990E+02  0.3223494E+07 Line 10( 64): nodal depth, y, M, V, p, EI
  0.1280000E+02 -0.1469466E-05 -0.3686661E+02  0.2417323E+02  0.7032553E+01  0.3223494E+07 Line 10( 65): nodal depth, y, M, V, p, EI
  0.1300000E+02 -0.7277673E-08 -0.3189278E+02  0.2488001E+02  0.3525670E-01  0.3223494E+07 Line 10( 66): nodal depth, y, M, V, p, EI
  0.1320000E+02  0.1059156E-05 -0.2691714E+02  0.2436823E+02 -0.5153091E+01  0.3223494E+07 Line 10( 67): nodal depth, y, M, V, p, EI
  0.1340000E+02  0.1791578E-05 -0.2214728E+02  0.2297754E+02 -0.8753815E+01  0.3223494E+07 Line 10( 68): nodal depth, y, M, V, p, EI
  0.1360000E+02  0.2249176E-05 -0.1772731E+02  0.2099850E+02 -0.1103657E+02  0.3223494E+07 Line 10( 69): nodal depth, y, M, V, p, EI
  0.1380000E+02  0.2486799E-05 -0.1374858E+02  0.1866939E+02 -0.1225449E+02  0.3223494E+07 Line 10( 70): nodal depth, y, M, V, p, EI
  0.1400000E+02  0.2553816E-05 -0.1025986E+02  0.1618013E+02 -0.1263814E+02  0.3223494E+07 Line 10( 71): nodal depth, y, M, V, p, EI
  0.1420000E+02  0.2493520E-05 -0.7276536E+01  0.1367712E+02 -0.1239199E+02  0.3223494E+07 Line 10( 72): nodal depth, y, M, V, p, EI
  0.1440000E+02  0.2342930E-05 -0.4788802E+01  0.1126864E+02 -0.1169276E+02  0.3223494E+07 Line 10( 73): nodal depth, y, M, V, p, EI
  0.1460000E+02  0.2132916E-05 -0.2768719E+01  0.9030417E+01 -0.1068948E+02  0.3223494E+07 Line 10( 74): nodal depth, y, M, V, p, EI
  0.1480000E+02  0.1888546E-05 -0.1176181E+01  0.7011017E+01 -0.9504526E+01  0.3223494E+07 Line 10( 75): nodal depth, y, M, V, p, EI
  0.1500000E+02  0.1629580E-05  0.3619079E-01  0.5237006E+01 -0.8235583E+01  0.3223494E+07 Line 10( 76): nodal depth, y, M, V, p, EI
  0.1520000E+02  0.1371064E-05  0.9191388E+00  0.3717643E+01 -0.6958047E+01  0.3223494E+07 Line 10( 77): nodal depth, y, M, V, p, EI
  0.1540000E+02  0.1123953E-05  0.1523753E+01  0.2449062E+01 -0.5727754E+01  0.3223494E+07 Line 10( 78): nodal depth, y, M, V, p, EI
  0.1560000E+02  0.8957499E-06  0.1899239E+01  0.1417908E+01 -0.4583794E+01  0.3223494E+07 Line 10( 79): nodal depth, y, M, V, p, EI
  0.1580000E+02  0.6911145E-06  0.2091349E+01  0.6043994E+00 -0.3551289E+01  0.3223494E+07 Line 10( 80): nodal depth, y, M, V, p, EI
  0.1600000E+02  0.5124305E-06  0.2141382E+01 -0.1513110E-01 -0.2644016E+01  0.3223494E+07 Line 10( 81): nodal depth, y, M, V, p, EI
  0.1620000E+02  0.3603186E-06  0.2085628E+01 -0.4662157E+00 -0.1866830E+01  0.3223494E+07 Line 10( 82): nodal depth, y, M, V, p, EI
  0.1640000E+02  0.2340871E-06  0.1955174E+01 -0.7746797E+00 -0.1217811E+01  0.3223494E+07 Line 10( 83): nodal depth, y, M, V, p, EI
  0.1660000E+02  0.1321171E-06  0.1775984E+01 -0.9654755E+00 -0.6901471E+00  0.3223494E+07 Line 10( 84): nodal depth, y, M, V, p, EI
  0.1680000E+02  0.5218511E-07  0.1569166E+01 -0.1061862E+01 -0.2737192E+00  0.3223494E+07 Line 10( 85): nodal depth, y, M, V, p, EI
  0.1700000E+02 -0.8275242E-08  0.1351380E+01 -0.1084876E+01  0.4358240E-01  0.3223494E+07 Line 10( 86): nodal depth, y, M, V, p, EI
  0.1720000E+02 -0.5196647E-07  0.1135320E+01 -0.1053037E+01  0.2748028E+00  0.3223494E+07 Line 10( 87): nodal depth, y, M, V, p, EI
  0.1740000E+02 -0.8156963E-07  0.9302379E+00 -0.9822469E+00  0.4331017E+00  0.3223494E+07 Line 10( 88): nodal depth, y, M, V, p, EI
  0.1760000E+02 -0.9962956E-07  0.7424686E+00 -0.8858227E+00  0.5311399E+00  0.3223494E+07 Line 10( 89): nodal depth, y, M, V, p, EI
  0.1780000E+02 -0.1084763E-06  0.5759357E+00 -0.7746442E+00  0.5806451E+00  0.3223494E+07 Line 10( 90): nodal depth, y, M, V, p, EI
  0.1800000E+02 -0.1101763E-06  0.4326215E+00 -0.6573670E+00  0.5921276E+00  0.3223494E+07 Line 10( 91): nodal depth, y, M, V, p, EI
  0.1820000E+02 -0.1065079E-06  0.3129870E+00 -0.5406822E+00  0.5747200E+00  0.3223494E+07 Line 10( 92): nodal depth, y, M, V, p, EI
  0.1840000E+02 -0.9895572E-07  0.2163374E+00 -0.4295986E+00  0.5361159E+00  0.3223494E+07 Line 10( 93): nodal depth, y, M, V, p, EI
  0.1860000E+02 -0.8871902E-07  0.1411297E+00 -0.3277285E+00  0.4825851E+00  0.3223494E+07 Line 10( 94): nodal depth, y, M, V, p, EI
  0.1880000E+02 -0.7673106E-07  0.8522376E-01 -0.2375652E+00  0.4190481E+00  0.3223494E+07 Line 10( 95): nodal depth, y, M, V, p, EI
  0.1900000E+02 -0.6368557E-07  0.4607864E-01 -0.1607411E+00  0.3491929E+00  0.3223494E+07 Line 10( 96): nodal depth, y, M, V, p, EI
  0.1920000E+02 -0.5006829E-07  0.2090067E-01 -0.9825952E-01  0.2756227E+00  0.3223494E+07 Line 10( 97): nodal depth, y, M, V, p, EI
  0.1940000E+02 -0.3619166E-07  0.6747341E-02 -0.5069473E-01  0.2000252E+00  0.3223494E+07 Line 10( 98): nodal depth, y, M, V, p, EI
  0.1960000E+02 -0.2223130E-07  0.5949383E-03 -0.1835658E-01  0.1233563E+00  0.3223494E+07 Line 10( 99): nodal depth, y, M, V, p, EI
  0.1980000E+02 -0.8263556E-08 -0.6232180E-03 -0.1417526E-02  0.4603416E-01  0.3223494E+07 Line 10(100): nodal depth, y, M, V, p, EI
  0.2000000E+02  0.5696453E-08  0.0000000E+00  0.0000000E+00 -0.3185890E-01  0.0000000E+00 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.3000000E+03  0.3112678E-01  0.1071748E+04 -0.3423823E+03 -0.6008835E-02     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)
